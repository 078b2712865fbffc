<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name></name>
    <message id="cloud_server_error">
        <source>Server error, please try again later</source>
        <translation>Erreur du serveur, veuillez réessayer plus tard</translation>
    </message>
    <message id="ov_4g_network">
        <source>4G network</source>
        <translation>Réseau 4G</translation>
    </message>
    <message id="ov_a11y_choices">
        <source>Choices</source>
        <translation>Choix</translation>
    </message>
    <message id="ov_a11y_grid_empty">
        <source>Empty slot, row %1, column %2</source>
        <translation>Emplacement vide, ligne %1, colonne %2</translation>
    </message>
    <message id="ov_a11y_grid_fan">
        <source>%1, row %2, column %3</source>
        <translation>%1, ligne %2, colonne %3</translation>
    </message>
    <message id="ov_a11y_hours_tens">
        <source>Hours, tens digit</source>
        <translation>Heures, dizaines</translation>
    </message>
    <message id="ov_a11y_hours_units">
        <source>Hours, units digit</source>
        <translation>Heures, unités</translation>
    </message>
    <message id="ov_a11y_language">
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message id="ov_a11y_menu">
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message id="ov_a11y_minutes_tens">
        <source>Minutes, tens digit</source>
        <translation>Minutes, dizaines</translation>
    </message>
    <message id="ov_a11y_minutes_units">
        <source>Minutes, units digit</source>
        <translation>Minutes, unités</translation>
    </message>
    <message id="ov_a11y_next">
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message id="ov_a11y_play">
        <source>Play</source>
        <translation>Lire</translation>
    </message>
    <message id="ov_a11y_previous">
        <source>Previous</source>
        <translation>Précédent</translation>
    </message>
    <message id="ov_a11y_progress">
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message id="ov_a11y_seconds_tens">
        <source>Seconds, tens digit</source>
        <translation>Secondes, dizaines</translation>
    </message>
    <message id="ov_a11y_seconds_units">
        <source>Seconds, units digit</source>
        <translation>Secondes, unités</translation>
    </message>
    <message id="ov_a11y_status">
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message id="ov_add">
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message id="ov_add_file_fail">
        <source>Upload failed</source>
        <translation>Échec de l'envoi</translation>
    </message>
    <message id="ov_add_file_success">
        <source>Upload complete</source>
        <translation>Envoi terminé</translation>
    </message>
    <message id="ov_add_file_to_list">
        <source>Add files to the play list</source>
        <translation>Ajouter des fichiers à la liste de lecture</translation>
    </message>
    <message id="ov_advanced">
        <source>Advanced settings</source>
        <translation>Paramètres avancés</translation>
    </message>
    <message id="ov_already_normal_mode">
        <source>The device is already in hotspot mode</source>
        <translation>L'appareil est déjà en mode point d'accès</translation>
    </message>
    <message id="ov_angle_adj">
        <source>Angle adjustment</source>
        <translation>Réglage de l'angle</translation>
    </message>
    <message id="ov_angle_decrease">
        <source>One degree less</source>
        <translation>Un degré de moins</translation>
    </message>
    <message id="ov_angle_increase">
        <source>One degree more</source>
        <translation>Un degré de plus</translation>
    </message>
    <message id="ov_ap2sta_tip">
        <source>The device will join the selected Wi-Fi network and the current connection will close. Continue?</source>
        <translation>L'appareil va rejoindre le réseau Wi-Fi choisi et la connexion actuelle sera fermée. Continuer ?</translation>
    </message>
    <message id="ov_ap2stp_success">
        <source>The device is joining the Wi-Fi network. Connect this computer to the same network, then search for the device.</source>
        <translation>L'appareil rejoint le réseau Wi-Fi. Connectez cet ordinateur au même réseau, puis recherchez l'appareil.</translation>
    </message>
    <message id="ov_ask_delete_index">
        <source>Enter the number of the video to delete</source>
        <translation>Saisissez le numéro de la vidéo à supprimer</translation>
    </message>
    <message id="ov_auto_start">
        <source>Auto start</source>
        <translation>Démarrage automatique</translation>
    </message>
    <message id="ov_back">
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message id="ov_bottom_mask">
        <source>Bottom mask</source>
        <translation>Masque inférieur</translation>
    </message>
    <message id="ov_bottom_mask_angle">
        <source>Bottom mask angle</source>
        <translation>Angle du masque inférieur</translation>
    </message>
    <message id="ov_bottom_mask_long">
        <source>Bottom mask length</source>
        <translation>Longueur du masque inférieur</translation>
    </message>
    <message id="ov_bottom_mix">
        <source>Bottom mixed mask</source>
        <translation>Masque inférieur mixte</translation>
    </message>
    <message id="ov_breath">
        <source>Breathing light</source>
        <translation>Voyant respirant</translation>
    </message>
    <message id="ov_cancel">
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message id="ov_change_password_confirm">
        <source>Change the hotspot password? You will need the new password to connect again.</source>
        <translation>Modifier le mot de passe du point d'accès ? Le nouveau mot de passe sera nécessaire pour vous reconnecter.</translation>
    </message>
    <message id="ov_clear">
        <source>Clear</source>
        <translation>Vider</translation>
    </message>
    <message id="ov_clear_list_tip">
        <source>Clear the play list? Every video on it will be removed.</source>
        <translation>Vider la liste de lecture ? Toutes ses vidéos seront retirées.</translation>
    </message>
    <message id="ov_clear_playlist">
        <source>Clear the play list</source>
        <translation>Vider la liste de lecture</translation>
    </message>
    <message id="ov_close_4g_confirm">
        <source>Turn off 4G?</source>
        <translation>Désactiver la 4G ?</translation>
    </message>
    <message id="ov_close_hot_spot_confirm">
        <source>Turn off the hotspot?</source>
        <translation>Désactiver le point d'accès ?</translation>
    </message>
    <message id="ov_collapse">
        <source>Collapse</source>
        <translation>Réduire</translation>
    </message>
    <message id="ov_confirm">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="ov_confirm_delete">
        <source>Delete this item</source>
        <translation>Supprimer cet élément </translation>
    </message>
    <message id="ov_confirm_gap">
        <source>Change the interval between videos?</source>
        <translation>Modifier l'intervalle entre les vidéos ?</translation>
    </message>
    <message id="ov_confirm_operate">
        <source>Carry out this operation?</source>
        <translation>Effectuer cette opération ?</translation>
    </message>
    <message id="ov_confirm_restart">
        <source>Restart the device?</source>
        <translation>Redémarrer l'appareil ?</translation>
    </message>
    <message id="ov_confirm_set_speed">
        <source>Change the rotation speed?</source>
        <translation>Modifier la vitesse de rotation ?</translation>
    </message>
    <message id="ov_conn_bluetooth">
        <source>Bluetooth connection</source>
        <translation>Connexion Bluetooth</translation>
    </message>
    <message id="ov_conn_fail_tip">
        <source>Could not connect to the device. Check that it is switched on and in range, then try again.</source>
        <translation>Impossible de se connecter à l'appareil. Vérifiez qu'il est allumé et à portée, puis réessayez.</translation>
    </message>
    <message id="ov_conn_tip">
        <source>Choose how to connect to the device</source>
        <translation>Choisissez comment vous connecter à l'appareil</translation>
    </message>
    <message id="ov_connect_device">
        <source>Connect device</source>
        <translation>Connecter l'appareil</translation>
    </message>
    <message id="ov_connect_failed">
        <source>Connection failed</source>
        <translation>Échec de la connexion</translation>
    </message>
    <message id="ov_connecting">
        <source>Connecting</source>
        <translation>Connexion en cours</translation>
    </message>
    <message id="ov_copy">
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message id="ov_cover_length">
        <source>Cover length</source>
        <translation>Longueur de couverture</translation>
    </message>
    <message id="ov_credit_line">
        <source>Orvane, the controller for holographic fan displays</source>
        <translation>Orvane, le contrôleur des écrans à ventilateur holographique</translation>
    </message>
    <message id="ov_cut_transcode">
        <source>Cutting and converting the video</source>
        <translation>Découpage et conversion de la vidéo</translation>
    </message>
    <message id="ov_default_device_type">
        <source>Holographic fan</source>
        <translation>Ventilateur holographique</translation>
    </message>
    <message id="ov_delete_file_ensure">
        <source>Delete this file?</source>
        <translation>Supprimer ce fichier ?</translation>
    </message>
    <message id="ov_delete_list_ensure">
        <source>Delete this play list?</source>
        <translation>Supprimer cette liste de lecture ?</translation>
    </message>
    <message id="ov_delete_row_out_of_range">
        <source>Only the first 256 stored files can be deleted one by one; clear the list to remove the others</source>
        <translation>Seuls les 256 premiers fichiers enregistrés peuvent être supprimés un par un ; videz la liste pour retirer les autres</translation>
    </message>
    <message id="ov_detail">
        <source>Detail</source>
        <translation>Détail</translation>
    </message>
    <message id="ov_device_conn_net">
        <source>Connect the device to the network</source>
        <translation>Connecter l'appareil au réseau</translation>
    </message>
    <message id="ov_device_hot_spot">
        <source>Device hotspot</source>
        <translation>Point d'accès de l'appareil</translation>
    </message>
    <message id="ov_device_is_ap">
        <source>Direct connection</source>
        <translation>Connexion directe</translation>
    </message>
    <message id="ov_device_is_ap_tip">
        <source>This computer joins the device's own Wi-Fi hotspot</source>
        <translation>Cet ordinateur rejoint le point d'accès Wi-Fi de l'appareil</translation>
    </message>
    <message id="ov_device_is_sta">
        <source>Network connection</source>
        <translation>Connexion réseau</translation>
    </message>
    <message id="ov_device_is_sta_des">
        <source>The device and this computer are on the same router network</source>
        <translation>L'appareil et cet ordinateur sont sur le même réseau de routeur</translation>
    </message>
    <message id="ov_disconn_wifi">
        <source>Disconnect Wi-Fi</source>
        <translation>Déconnecter le Wi-Fi</translation>
    </message>
    <message id="ov_edit_list">
        <source>Edit play list</source>
        <translation>Modifier la liste de lecture</translation>
    </message>
    <message id="ov_enter_8_pure_int_password">
        <source>Enter a password of exactly 8 digits</source>
        <translation>Saisissez un mot de passe d'exactement 8 chiffres</translation>
    </message>
    <message id="ov_err_check">
        <source>Troubleshooting</source>
        <translation>Dépannage</translation>
    </message>
    <message id="ov_fail">
        <source>Failed</source>
        <translation>Échec</translation>
    </message>
    <message id="ov_file_name">
        <source>File name</source>
        <translation>Nom du fichier</translation>
    </message>
    <message id="ov_file_name_duplicate">
        <source>A file with this name already exists</source>
        <translation>Un fichier portant ce nom existe déjà</translation>
    </message>
    <message id="ov_file_size">
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message id="ov_forbidden_close_4g">
        <source>4G cannot be turned off in the device's current hotspot state</source>
        <translation>Impossible de désactiver la 4G dans l'état actuel du point d'accès</translation>
    </message>
    <message id="ov_forget_password_hint">
        <source>The saved password was refused. Enter the device password again.</source>
        <translation>Le mot de passe enregistré a été refusé. Saisissez à nouveau le mot de passe de l'appareil.</translation>
    </message>
    <message id="ov_forget_wifi">
        <source>Forgot the Wi-Fi password?</source>
        <translation>Mot de passe Wi-Fi oublié ?</translation>
    </message>
    <message id="ov_help">
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message id="ov_help_ap_btn">
        <source>Hotspot mode: press the mode button on the device once.</source>
        <translation>Mode point d'accès : appuyez une fois sur le bouton de mode de l'appareil.</translation>
    </message>
    <message id="ov_help_ap_light">
        <source>The indicator light stays on while the device's hotspot is active.</source>
        <translation>Le voyant reste allumé tant que le point d'accès de l'appareil est actif.</translation>
    </message>
    <message id="ov_help_pair_btn">
        <source>Network mode: hold the mode button until the indicator light flashes.</source>
        <translation>Mode réseau : maintenez le bouton de mode enfoncé jusqu'à ce que le voyant clignote.</translation>
    </message>
    <message id="ov_help_pair_light">
        <source>The indicator light flashes while the device joins a network.</source>
        <translation>Le voyant clignote pendant que l'appareil rejoint un réseau.</translation>
    </message>
    <message id="ov_help_title">
        <source>Connection help</source>
        <translation>Aide à la connexion</translation>
    </message>
    <message id="ov_hot_spot_name">
        <source>Hotspot name</source>
        <translation>Nom du point d'accès</translation>
    </message>
    <message id="ov_hot_spot_password">
        <source>Hotspot password</source>
        <translation>Mot de passe du point d'accès</translation>
    </message>
    <message id="ov_input_list_name">
        <source>Enter a name for the play list</source>
        <translation>Saisissez un nom pour la liste de lecture</translation>
    </message>
    <message id="ov_invalid_file">
        <source>Unsupported file</source>
        <translation>Fichier non pris en charge</translation>
    </message>
    <message id="ov_left_mask_angle">
        <source>Left mask angle</source>
        <translation>Angle du masque gauche</translation>
    </message>
    <message id="ov_left_mask_long">
        <source>Left mask length</source>
        <translation>Longueur du masque gauche</translation>
    </message>
    <message id="ov_light_adj">
        <source>Brightness</source>
        <translation>Luminosité</translation>
    </message>
    <message id="ov_login_failed">
        <source>Sign-in failed</source>
        <translation>Échec de la connexion au compte</translation>
    </message>
    <message id="ov_login_tip">
        <source>Sign in to your cloud account</source>
        <translation>Connectez-vous à votre compte cloud</translation>
    </message>
    <message id="ov_logout">
        <source>Sign out</source>
        <translation>Se déconnecter</translation>
    </message>
    <message id="ov_mask_mode">
        <source>Mask mode</source>
        <translation>Mode de masque</translation>
    </message>
    <message id="ov_master">
        <source>Master</source>
        <translation>Maître</translation>
    </message>
    <message id="ov_move_down">
        <source>Move down</source>
        <translation>Descendre</translation>
    </message>
    <message id="ov_move_up">
        <source>Move up</source>
        <translation>Monter</translation>
    </message>
    <message id="ov_multi_list">
        <source>Play lists</source>
        <translation>Listes de lecture</translation>
    </message>
    <message id="ov_next">
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message id="ov_no_mask">
        <source>No mask</source>
        <translation>Aucun masque</translation>
    </message>
    <message id="ov_normal">
        <source>Normal</source>
        <translation>Normale</translation>
    </message>
    <message id="ov_no_device_found">
        <source>No device found</source>
        <translation>Aucun appareil trouvé</translation>
    </message>
    <message id="ov_not_selected_device">
        <source>Select a device first</source>
        <translation>Sélectionnez d'abord un appareil</translation>
    </message>
    <message id="ov_now_status">
        <source>Union role</source>
        <translation>Rôle dans l'union</translation>
    </message>
    <message id="ov_open_hot_spot_confirm_client">
        <source>Turn on the hotspot?</source>
        <translation>Activer le point d'accès ?</translation>
    </message>
    <message id="ov_operation">
        <source>Actions</source>
        <translation>Actions</translation>
    </message>
    <message id="ov_param_conf">
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message id="ov_password">
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message id="ov_path_nospace_tip">
        <source>The name must not contain spaces</source>
        <translation>Le nom ne doit pas contenir d'espaces</translation>
    </message>
    <message id="ov_pause">
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message id="ov_play">
        <source>Play</source>
        <translation>Lire</translation>
    </message>
    <message id="ov_playing">
        <source>Playing</source>
        <translation>En lecture</translation>
    </message>
    <message id="ov_playlist">
        <source>Play list</source>
        <translation>Liste de lecture</translation>
    </message>
    <message id="ov_power">
        <source>Power</source>
        <translation>Alimentation</translation>
    </message>
    <message id="ov_previous">
        <source>Previous</source>
        <translation>Précédent</translation>
    </message>
    <message id="ov_progress_failed">
        <source>Failed</source>
        <translation>Échec</translation>
    </message>
    <message id="ov_progress_failed_at">
        <source>Failed at %1</source>
        <translation>Échec à %1</translation>
    </message>
    <message id="ov_progress_failed_at_reason">
        <source>Failed at %1: %2</source>
        <translation>Échec à %1 : %2</translation>
    </message>
    <message id="ov_progress_finished">
        <source>Complete</source>
        <translation>Terminé</translation>
    </message>
    <message id="ov_progress_running">
        <source>In progress: %1</source>
        <translation>En cours : %1</translation>
    </message>
    <message id="ov_psd">
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message id="ov_psd_wrong">
        <source>Wrong password: it must have at least 8 characters</source>
        <translation>Mot de passe incorrect : il doit comporter au moins 8 caractères</translation>
    </message>
    <message id="ov_radius_length">
        <source>Radius length</source>
        <translation>Longueur du rayon</translation>
    </message>
    <message id="ov_refresh">
        <source>Refresh</source>
        <translation>Actualiser</translation>
    </message>
    <message id="ov_refresh_current_list">
        <source>Reload the play list from the device</source>
        <translation>Recharger la liste de lecture depuis l'appareil</translation>
    </message>
    <message id="ov_refresh_wifi_sync">
        <source>Refresh Wi-Fi sync</source>
        <translation>Actualiser la synchronisation Wi-Fi</translation>
    </message>
    <message id="ov_remote">
        <source>Remote control</source>
        <translation>Télécommande</translation>
    </message>
    <message id="ov_restart_device">
        <source>Restart device</source>
        <translation>Redémarrer l'appareil</translation>
    </message>
    <message id="ov_right_mask_angle">
        <source>Right mask angle</source>
        <translation>Angle du masque droit</translation>
    </message>
    <message id="ov_right_mask_long">
        <source>Right mask length</source>
        <translation>Longueur du masque droit</translation>
    </message>
    <message id="ov_safe_stop">
        <source>Emergency stop</source>
        <translation>Arrêt d'urgence</translation>
    </message>
    <message id="ov_sample_diamond">
        <source>Diamond</source>
        <translation>Losange</translation>
    </message>
    <message id="ov_sample_figure">
        <source>Figure</source>
        <translation>Figure</translation>
    </message>
    <message id="ov_sample_fish">
        <source>Fish</source>
        <translation>Poisson</translation>
    </message>
    <message id="ov_sample_loop">
        <source>Loop</source>
        <translation>Boucle</translation>
    </message>
    <message id="ov_sample_ring">
        <source>Ring</source>
        <translation>Anneau</translation>
    </message>
    <message id="ov_save">
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message id="ov_save_changed_content">
        <source>Save the changes to the device</source>
        <translation>Enregistrer les modifications sur l'appareil</translation>
    </message>
    <message id="ov_screen_movex">
        <source>Horizontal offset</source>
        <translation>Décalage horizontal</translation>
    </message>
    <message id="ov_screen_movey">
        <source>Vertical offset</source>
        <translation>Décalage vertical</translation>
    </message>
    <message id="ov_sd_remain">
        <source>Free storage</source>
        <translation>Stockage disponible</translation>
    </message>
    <message id="ov_search">
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
    <message id="ov_search_failed">
        <source>The device search could not run. Check the network connection and that no other program is searching for devices, then try again.</source>
        <translation>La recherche d'appareils n'a pas pu être effectuée. Vérifiez la connexion réseau et qu'aucun autre programme ne recherche d'appareils, puis réessayez.</translation>
    </message>
    <message id="ov_select_all">
        <source>Select all</source>
        <translation>Tout sélectionner</translation>
    </message>
    <message id="ov_server_conn">
        <source>Server</source>
        <translation>Serveur</translation>
    </message>
    <message id="ov_service_tip">
        <source>Server</source>
        <translation>Serveur</translation>
    </message>
    <message id="ov_set_angle_error">
        <source>Could not set the angle</source>
        <translation>Impossible de régler l'angle</translation>
    </message>
    <message id="ov_set_fail">
        <source>Setting failed</source>
        <translation>Échec du réglage</translation>
    </message>
    <message id="ov_set_light_error">
        <source>Could not set the brightness</source>
        <translation>Impossible de régler la luminosité</translation>
    </message>
    <message id="ov_set_light_success">
        <source>Brightness set</source>
        <translation>Luminosité réglée</translation>
    </message>
    <message id="ov_set_speed">
        <source>Rotation speed</source>
        <translation>Vitesse de rotation</translation>
    </message>
    <message id="ov_set_success">
        <source>Setting applied</source>
        <translation>Réglage appliqué</translation>
    </message>
    <message id="ov_set_timer">
        <source>Timer</source>
        <translation>Minuterie</translation>
    </message>
    <message id="ov_slave">
        <source>Slave</source>
        <translation>Esclave</translation>
    </message>
    <message id="ov_spec_chars_tip">
        <source>The name must not contain ( ) &amp; ' ` ; # commas or line breaks</source>
        <translation>Le nom ne doit pas contenir ( ) &amp; ' ` ; # de virgules ni de sauts de ligne</translation>
    </message>
    <message id="ov_speed_fast">
        <source>Fast</source>
        <translation>Rapide</translation>
    </message>
    <message id="ov_speed_slow">
        <source>Slow</source>
        <translation>Lente</translation>
    </message>
    <message id="ov_sta2ap">
        <source>Back to hotspot mode</source>
        <translation>Revenir au mode point d'accès</translation>
    </message>
    <message id="ov_sta2ap_success">
        <source>The device has left the Wi-Fi network and is back in hotspot mode.</source>
        <translation>L'appareil a quitté le réseau Wi-Fi et est revenu en mode point d'accès.</translation>
    </message>
    <message id="ov_sta_device_list">
        <source>Devices on the network</source>
        <translation>Appareils sur le réseau</translation>
    </message>
    <message id="ov_success">
        <source>Success</source>
        <translation>Réussi</translation>
    </message>
    <message id="ov_switch_gap">
        <source>Interval between videos</source>
        <translation>Intervalle entre les vidéos</translation>
    </message>
    <message id="ov_time_start">
        <source>Switch on at</source>
        <translation>Heure d'allumage</translation>
    </message>
    <message id="ov_time_stop">
        <source>Switch off at</source>
        <translation>Heure d'extinction</translation>
    </message>
    <message id="ov_times">
        <source>Play count</source>
        <translation>Nombre de lectures</translation>
    </message>
    <message id="ov_top_mask">
        <source>Top mask</source>
        <translation>Masque supérieur</translation>
    </message>
    <message id="ov_top_mask_angle">
        <source>Top mask angle</source>
        <translation>Angle du masque supérieur</translation>
    </message>
    <message id="ov_top_mask_long">
        <source>Top mask length</source>
        <translation>Longueur du masque supérieur</translation>
    </message>
    <message id="ov_union">
        <source>Unions</source>
        <translation>Unions</translation>
    </message>
    <message id="ov_union_clear_video">
        <source>Clear play lists</source>
        <translation>Vider les listes de lecture</translation>
    </message>
    <message id="ov_union_close_mask">
        <source>Masks off</source>
        <translation>Désactiver les masques</translation>
    </message>
    <message id="ov_union_columns">
        <source>Columns</source>
        <translation>Colonnes</translation>
    </message>
    <message id="ov_union_cut_upload">
        <source>Cut and upload video</source>
        <translation>Découper et envoyer la vidéo</translation>
    </message>
    <message id="ov_union_default_mask">
        <source>Default masks</source>
        <translation>Masques par défaut</translation>
    </message>
    <message id="ov_union_delete_video">
        <source>Delete a video</source>
        <translation>Supprimer une vidéo</translation>
    </message>
    <message id="ov_union_edit">
        <source>Edit union</source>
        <translation>Modifier l'union</translation>
    </message>
    <message id="ov_union_list_changed">
        <source>The union list was changed elsewhere. Open the list again and repeat your change.</source>
        <translation>La liste des unions a été modifiée ailleurs. Rouvrez la liste et refaites votre modification.</translation>
    </message>
    <message id="ov_union_name">
        <source>Union name</source>
        <translation>Nom de l’union</translation>
    </message>
    <message id="ov_union_open_mask">
        <source>Masks only</source>
        <translation>Masques seuls</translation>
    </message>
    <message id="ov_union_refresh_ip">
        <source>Refresh addresses</source>
        <translation>Actualiser les adresses</translation>
    </message>
    <message id="ov_union_reverse">
        <source>Top-left fan in front</source>
        <translation>Ventilateur en haut à gauche devant</translation>
    </message>
    <message id="ov_union_rows">
        <source>Rows</source>
        <translation>Lignes</translation>
    </message>
    <message id="ov_union_size_tip">
        <source>Rows and columns must be whole numbers</source>
        <translation>Les lignes et les colonnes doivent être des nombres entiers</translation>
    </message>
    <message id="ov_union_sync_off">
        <source>Stop Wi-Fi sync</source>
        <translation>Arrêter la synchronisation Wi-Fi</translation>
    </message>
    <message id="ov_union_sync_on">
        <source>Start Wi-Fi sync</source>
        <translation>Démarrer la synchronisation Wi-Fi</translation>
    </message>
    <message id="ov_union_upload_cut">
        <source>Upload cut tiles</source>
        <translation>Envoyer les tuiles découpées</translation>
    </message>
    <message id="ov_union_upload_same">
        <source>Upload one video to all</source>
        <translation>Envoyer une vidéo à tous</translation>
    </message>
    <message id="ov_union_white_off">
        <source>White background off</source>
        <translation>Désactiver le fond blanc</translation>
    </message>
    <message id="ov_union_white_on">
        <source>White background on</source>
        <translation>Activer le fond blanc</translation>
    </message>
    <message id="ov_unsupport_tip">
        <source>not supported by the device</source>
        <translation>non pris en charge par l'appareil</translation>
    </message>
    <message id="ov_restarting">
        <source>The device is restarting</source>
        <translation>L'appareil redémarre</translation>
    </message>
    <message id="ov_update_success">
        <source>Update uploaded. Reconnect once the device has restarted.</source>
        <translation>Mise à jour envoyée. Reconnectez-vous une fois l'appareil redémarré.</translation>
    </message>
    <message id="ov_use">
        <source>Use</source>
        <translation>Utiliser</translation>
    </message>
    <message id="ov_username">
        <source>Account</source>
        <translation>Compte</translation>
    </message>
    <message id="ov_using">
        <source>In use</source>
        <translation>En cours d'utilisation</translation>
    </message>
    <message id="ov_version_b">
        <source>Base version</source>
        <translation>Version de base</translation>
    </message>
    <message id="ov_version_c">
        <source>Core version</source>
        <translation>Version du cœur</translation>
    </message>
    <message id="ov_version_f">
        <source>FPGA version</source>
        <translation>Version FPGA</translation>
    </message>
    <message id="ov_video_list">
        <source>Video list</source>
        <translation>Liste des vidéos</translation>
    </message>
    <message id="ov_video_store">
        <source>Sample videos</source>
        <translation>Vidéos d'exemple</translation>
    </message>
    <message id="ov_volume_adj">
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message id="ov_wait_for_search">
        <source>A device search is in progress. Please wait until it has finished, then try again.</source>
        <translation>Une recherche d'appareils est en cours. Veuillez attendre qu'elle soit terminée, puis réessayez.</translation>
    </message>
    <message id="ov_wait_for_upload">
        <source>An upload is in progress. Please wait until it has finished.</source>
        <translation>Un envoi est en cours. Veuillez attendre qu'il soit terminé.</translation>
    </message>
    <message id="ov_white_bg">
        <source>White background</source>
        <translation>Fond blanc</translation>
    </message>
    <message id="ov_wifi_name">
        <source>Wi-Fi network</source>
        <translation>Réseau Wi-Fi</translation>
    </message>
    <message id="ov_wifi_psd">
        <source>Wi-Fi password</source>
        <translation>Mot de passe Wi-Fi</translation>
    </message>
</context>
</TS>
