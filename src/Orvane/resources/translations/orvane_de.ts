<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name></name>
    <message id="cloud_server_error">
        <source>Server error, please try again later</source>
        <translation>Serverfehler, bitte versuchen Sie es später erneut</translation>
    </message>
    <message id="ov_4g_network">
        <source>4G network</source>
        <translation>4G-Netz</translation>
    </message>
    <message id="ov_a11y_choices">
        <source>Choices</source>
        <translation>Auswahl</translation>
    </message>
    <message id="ov_a11y_grid_empty">
        <source>Empty slot, row %1, column %2</source>
        <translation>Leerer Platz, Zeile %1, Spalte %2</translation>
    </message>
    <message id="ov_a11y_grid_fan">
        <source>%1, row %2, column %3</source>
        <translation>%1, Zeile %2, Spalte %3</translation>
    </message>
    <message id="ov_a11y_hours_tens">
        <source>Hours, tens digit</source>
        <translation>Stunden, Zehnerstelle</translation>
    </message>
    <message id="ov_a11y_hours_units">
        <source>Hours, units digit</source>
        <translation>Stunden, Einerstelle</translation>
    </message>
    <message id="ov_a11y_language">
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message id="ov_a11y_menu">
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
    <message id="ov_a11y_minutes_tens">
        <source>Minutes, tens digit</source>
        <translation>Minuten, Zehnerstelle</translation>
    </message>
    <message id="ov_a11y_minutes_units">
        <source>Minutes, units digit</source>
        <translation>Minuten, Einerstelle</translation>
    </message>
    <message id="ov_a11y_next">
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message id="ov_a11y_play">
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message id="ov_a11y_previous">
        <source>Previous</source>
        <translation>Zurück</translation>
    </message>
    <message id="ov_a11y_progress">
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message id="ov_a11y_seconds_tens">
        <source>Seconds, tens digit</source>
        <translation>Sekunden, Zehnerstelle</translation>
    </message>
    <message id="ov_a11y_seconds_units">
        <source>Seconds, units digit</source>
        <translation>Sekunden, Einerstelle</translation>
    </message>
    <message id="ov_a11y_status">
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message id="ov_add">
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message id="ov_add_file_fail">
        <source>Upload failed</source>
        <translation>Hochladen fehlgeschlagen</translation>
    </message>
    <message id="ov_add_file_success">
        <source>Upload complete</source>
        <translation>Hochladen abgeschlossen</translation>
    </message>
    <message id="ov_add_file_to_list">
        <source>Add files to the play list</source>
        <translation>Dateien zur Wiedergabeliste hinzufügen</translation>
    </message>
    <message id="ov_advanced">
        <source>Advanced settings</source>
        <translation>Erweiterte Einstellungen</translation>
    </message>
    <message id="ov_already_normal_mode">
        <source>The device is already in hotspot mode</source>
        <translation>Das Gerät ist bereits im Hotspot-Modus</translation>
    </message>
    <message id="ov_angle_adj">
        <source>Angle adjustment</source>
        <translation>Winkeleinstellung</translation>
    </message>
    <message id="ov_angle_decrease">
        <source>One degree less</source>
        <translation>Ein Grad weniger</translation>
    </message>
    <message id="ov_angle_increase">
        <source>One degree more</source>
        <translation>Ein Grad mehr</translation>
    </message>
    <message id="ov_ap2sta_tip">
        <source>The device will join the selected Wi-Fi network and the current connection will close. Continue?</source>
        <translation>Das Gerät tritt dem gewählten WLAN bei und die aktuelle Verbindung wird getrennt. Fortfahren?</translation>
    </message>
    <message id="ov_ap2stp_success">
        <source>The device is joining the Wi-Fi network. Connect this computer to the same network, then search for the device.</source>
        <translation>Das Gerät tritt dem WLAN bei. Verbinden Sie diesen Computer mit demselben Netzwerk und suchen Sie dann nach dem Gerät.</translation>
    </message>
    <message id="ov_ask_delete_index">
        <source>Enter the number of the video to delete</source>
        <translation>Nummer des zu löschenden Videos eingeben</translation>
    </message>
    <message id="ov_auto_start">
        <source>Auto start</source>
        <translation>Autostart</translation>
    </message>
    <message id="ov_back">
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message id="ov_bottom_mask">
        <source>Bottom mask</source>
        <translation>Maske unten</translation>
    </message>
    <message id="ov_bottom_mask_angle">
        <source>Bottom mask angle</source>
        <translation>Winkel der unteren Maske</translation>
    </message>
    <message id="ov_bottom_mask_long">
        <source>Bottom mask length</source>
        <translation>Länge der unteren Maske</translation>
    </message>
    <message id="ov_bottom_mix">
        <source>Bottom mixed mask</source>
        <translation>Gemischte Maske unten</translation>
    </message>
    <message id="ov_breath">
        <source>Breathing light</source>
        <translation>Atemlicht</translation>
    </message>
    <message id="ov_cancel">
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message id="ov_change_password_confirm">
        <source>Change the hotspot password? You will need the new password to connect again.</source>
        <translation>Hotspot-Passwort ändern? Zum erneuten Verbinden benötigen Sie das neue Passwort.</translation>
    </message>
    <message id="ov_clear">
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message id="ov_clear_list_tip">
        <source>Clear the play list? Every video on it will be removed.</source>
        <translation>Wiedergabeliste leeren? Alle Videos darin werden entfernt.</translation>
    </message>
    <message id="ov_clear_playlist">
        <source>Clear the play list</source>
        <translation>Wiedergabeliste leeren</translation>
    </message>
    <message id="ov_close_4g_confirm">
        <source>Turn off 4G?</source>
        <translation>4G ausschalten?</translation>
    </message>
    <message id="ov_close_hot_spot_confirm">
        <source>Turn off the hotspot?</source>
        <translation>Hotspot ausschalten?</translation>
    </message>
    <message id="ov_collapse">
        <source>Collapse</source>
        <translation>Einklappen</translation>
    </message>
    <message id="ov_confirm">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="ov_confirm_delete">
        <source>Delete this item</source>
        <translation>Diesen Eintrag löschen</translation>
    </message>
    <message id="ov_confirm_gap">
        <source>Change the interval between videos?</source>
        <translation>Pause zwischen den Videos ändern?</translation>
    </message>
    <message id="ov_confirm_operate">
        <source>Carry out this operation?</source>
        <translation>Diesen Vorgang ausführen?</translation>
    </message>
    <message id="ov_confirm_restart">
        <source>Restart the device?</source>
        <translation>Gerät neu starten?</translation>
    </message>
    <message id="ov_confirm_set_speed">
        <source>Change the rotation speed?</source>
        <translation>Drehgeschwindigkeit ändern?</translation>
    </message>
    <message id="ov_conn_bluetooth">
        <source>Bluetooth connection</source>
        <translation>Bluetooth-Verbindung</translation>
    </message>
    <message id="ov_conn_fail_tip">
        <source>Could not connect to the device. Check that it is switched on and in range, then try again.</source>
        <translation>Keine Verbindung zum Gerät. Prüfen Sie, ob es eingeschaltet und in Reichweite ist, und versuchen Sie es erneut.</translation>
    </message>
    <message id="ov_conn_tip">
        <source>Choose how to connect to the device</source>
        <translation>Verbindungsart mit dem Gerät wählen</translation>
    </message>
    <message id="ov_connect_device">
        <source>Connect device</source>
        <translation>Gerät verbinden</translation>
    </message>
    <message id="ov_connect_failed">
        <source>Connection failed</source>
        <translation>Verbindung fehlgeschlagen</translation>
    </message>
    <message id="ov_connecting">
        <source>Connecting</source>
        <translation>Verbindung wird hergestellt</translation>
    </message>
    <message id="ov_copy">
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message id="ov_cover_length">
        <source>Cover length</source>
        <translation>Abdecklänge</translation>
    </message>
    <message id="ov_credit_line">
        <source>Orvane, the controller for holographic fan displays</source>
        <translation>Orvane, die Steuerung für Hologramm-Ventilator-Displays</translation>
    </message>
    <message id="ov_cut_transcode">
        <source>Cutting and converting the video</source>
        <translation>Video wird zerlegt und konvertiert</translation>
    </message>
    <message id="ov_default_device_type">
        <source>Holographic fan</source>
        <translation>Hologramm-Ventilator</translation>
    </message>
    <message id="ov_delete_file_ensure">
        <source>Delete this file?</source>
        <translation>Diese Datei löschen?</translation>
    </message>
    <message id="ov_delete_list_ensure">
        <source>Delete this play list?</source>
        <translation>Diese Wiedergabeliste löschen?</translation>
    </message>
    <message id="ov_delete_row_out_of_range">
        <source>Only the first 256 stored files can be deleted one by one; clear the list to remove the others</source>
        <translation>Nur die ersten 256 gespeicherten Dateien können einzeln gelöscht werden; leeren Sie die Liste, um die übrigen zu entfernen</translation>
    </message>
    <message id="ov_detail">
        <source>Detail</source>
        <translation>Details</translation>
    </message>
    <message id="ov_device_conn_net">
        <source>Connect the device to the network</source>
        <translation>Gerät mit dem Netzwerk verbinden</translation>
    </message>
    <message id="ov_device_hot_spot">
        <source>Device hotspot</source>
        <translation>Geräte-Hotspot</translation>
    </message>
    <message id="ov_device_is_ap">
        <source>Direct connection</source>
        <translation>Direktverbindung</translation>
    </message>
    <message id="ov_device_is_ap_tip">
        <source>This computer joins the device's own Wi-Fi hotspot</source>
        <translation>Dieser Computer verbindet sich mit dem eigenen WLAN-Hotspot des Geräts</translation>
    </message>
    <message id="ov_device_is_sta">
        <source>Network connection</source>
        <translation>Netzwerkverbindung</translation>
    </message>
    <message id="ov_device_is_sta_des">
        <source>The device and this computer are on the same router network</source>
        <translation>Gerät und Computer sind im selben Router-Netzwerk</translation>
    </message>
    <message id="ov_disconn_wifi">
        <source>Disconnect Wi-Fi</source>
        <translation>WLAN trennen</translation>
    </message>
    <message id="ov_edit_list">
        <source>Edit play list</source>
        <translation>Wiedergabeliste bearbeiten</translation>
    </message>
    <message id="ov_enter_8_pure_int_password">
        <source>Enter a password of exactly 8 digits</source>
        <translation>Geben Sie ein Passwort aus genau 8 Ziffern ein</translation>
    </message>
    <message id="ov_err_check">
        <source>Troubleshooting</source>
        <translation>Fehlerbehebung</translation>
    </message>
    <message id="ov_fail">
        <source>Failed</source>
        <translation>Fehlgeschlagen</translation>
    </message>
    <message id="ov_file_name">
        <source>File name</source>
        <translation>Dateiname</translation>
    </message>
    <message id="ov_file_name_duplicate">
        <source>A file with this name already exists</source>
        <translation>Eine Datei mit diesem Namen existiert bereits</translation>
    </message>
    <message id="ov_file_size">
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message id="ov_forbidden_close_4g">
        <source>4G cannot be turned off in the device's current hotspot state</source>
        <translation>4G kann im aktuellen Hotspot-Zustand des Geräts nicht ausgeschaltet werden</translation>
    </message>
    <message id="ov_forget_password_hint">
        <source>The saved password was refused. Enter the device password again.</source>
        <translation>Das gespeicherte Passwort wurde abgelehnt. Geben Sie das Gerätepasswort erneut ein.</translation>
    </message>
    <message id="ov_forget_wifi">
        <source>Forgot the Wi-Fi password?</source>
        <translation>WLAN-Passwort vergessen?</translation>
    </message>
    <message id="ov_help">
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message id="ov_help_ap_btn">
        <source>Hotspot mode: press the mode button on the device once.</source>
        <translation>Hotspot-Modus: Drücken Sie einmal die Modustaste am Gerät.</translation>
    </message>
    <message id="ov_help_ap_light">
        <source>The indicator light stays on while the device's hotspot is active.</source>
        <translation>Die Anzeigeleuchte leuchtet, solange der Hotspot des Geräts aktiv ist.</translation>
    </message>
    <message id="ov_help_pair_btn">
        <source>Network mode: hold the mode button until the indicator light flashes.</source>
        <translation>Netzwerkmodus: Halten Sie die Modustaste gedrückt, bis die Anzeigeleuchte blinkt.</translation>
    </message>
    <message id="ov_help_pair_light">
        <source>The indicator light flashes while the device joins a network.</source>
        <translation>Die Anzeigeleuchte blinkt, während das Gerät einem Netzwerk beitritt.</translation>
    </message>
    <message id="ov_help_title">
        <source>Connection help</source>
        <translation>Hilfe zur Verbindung</translation>
    </message>
    <message id="ov_hot_spot_name">
        <source>Hotspot name</source>
        <translation>Hotspot-Name</translation>
    </message>
    <message id="ov_hot_spot_password">
        <source>Hotspot password</source>
        <translation>Hotspot-Passwort</translation>
    </message>
    <message id="ov_input_list_name">
        <source>Enter a name for the play list</source>
        <translation>Namen für die Wiedergabeliste eingeben</translation>
    </message>
    <message id="ov_invalid_file">
        <source>Unsupported file</source>
        <translation>Nicht unterstützte Datei</translation>
    </message>
    <message id="ov_left_mask_angle">
        <source>Left mask angle</source>
        <translation>Winkel der linken Maske</translation>
    </message>
    <message id="ov_left_mask_long">
        <source>Left mask length</source>
        <translation>Länge der linken Maske</translation>
    </message>
    <message id="ov_light_adj">
        <source>Brightness</source>
        <translation>Helligkeit</translation>
    </message>
    <message id="ov_login_failed">
        <source>Sign-in failed</source>
        <translation>Anmeldung fehlgeschlagen</translation>
    </message>
    <message id="ov_login_tip">
        <source>Sign in to your cloud account</source>
        <translation>Beim Cloud-Konto anmelden</translation>
    </message>
    <message id="ov_logout">
        <source>Sign out</source>
        <translation>Abmelden</translation>
    </message>
    <message id="ov_mask_mode">
        <source>Mask mode</source>
        <translation>Maskenmodus</translation>
    </message>
    <message id="ov_master">
        <source>Master</source>
        <translation>Master</translation>
    </message>
    <message id="ov_move_down">
        <source>Move down</source>
        <translation>Nach unten</translation>
    </message>
    <message id="ov_move_up">
        <source>Move up</source>
        <translation>Nach oben</translation>
    </message>
    <message id="ov_multi_list">
        <source>Play lists</source>
        <translation>Wiedergabelisten</translation>
    </message>
    <message id="ov_next">
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message id="ov_no_mask">
        <source>No mask</source>
        <translation>Keine Maske</translation>
    </message>
    <message id="ov_normal">
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message id="ov_no_device_found">
        <source>No device found</source>
        <translation>Kein Gerät gefunden</translation>
    </message>
    <message id="ov_not_selected_device">
        <source>Select a device first</source>
        <translation>Wählen Sie zuerst ein Gerät aus</translation>
    </message>
    <message id="ov_now_status">
        <source>Union role</source>
        <translation>Rolle im Verbund</translation>
    </message>
    <message id="ov_open_hot_spot_confirm_client">
        <source>Turn on the hotspot?</source>
        <translation>Hotspot einschalten?</translation>
    </message>
    <message id="ov_operation">
        <source>Actions</source>
        <translation>Aktionen</translation>
    </message>
    <message id="ov_param_conf">
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message id="ov_password">
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message id="ov_path_nospace_tip">
        <source>The name must not contain spaces</source>
        <translation>Der Name darf keine Leerzeichen enthalten</translation>
    </message>
    <message id="ov_pause">
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message id="ov_play">
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message id="ov_playing">
        <source>Playing</source>
        <translation>Wird abgespielt</translation>
    </message>
    <message id="ov_playlist">
        <source>Play list</source>
        <translation>Wiedergabeliste</translation>
    </message>
    <message id="ov_power">
        <source>Power</source>
        <translation>Ein/Aus</translation>
    </message>
    <message id="ov_previous">
        <source>Previous</source>
        <translation>Zurück</translation>
    </message>
    <message id="ov_progress_failed">
        <source>Failed</source>
        <translation>Fehlgeschlagen</translation>
    </message>
    <message id="ov_progress_failed_at">
        <source>Failed at %1</source>
        <translation>Fehlgeschlagen bei %1</translation>
    </message>
    <message id="ov_progress_failed_at_reason">
        <source>Failed at %1: %2</source>
        <translation>Fehlgeschlagen bei %1: %2</translation>
    </message>
    <message id="ov_progress_finished">
        <source>Complete</source>
        <translation>Abgeschlossen</translation>
    </message>
    <message id="ov_progress_running">
        <source>In progress: %1</source>
        <translation>In Bearbeitung: %1</translation>
    </message>
    <message id="ov_psd">
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message id="ov_psd_wrong">
        <source>Wrong password: it must have at least 8 characters</source>
        <translation>Falsches Passwort: Es muss mindestens 8 Zeichen haben</translation>
    </message>
    <message id="ov_radius_length">
        <source>Radius length</source>
        <translation>Radiuslänge</translation>
    </message>
    <message id="ov_refresh">
        <source>Refresh</source>
        <translation>Aktualisieren</translation>
    </message>
    <message id="ov_refresh_current_list">
        <source>Reload the play list from the device</source>
        <translation>Wiedergabeliste vom Gerät neu laden</translation>
    </message>
    <message id="ov_refresh_wifi_sync">
        <source>Refresh Wi-Fi sync</source>
        <translation>WLAN-Synchronisierung aktualisieren</translation>
    </message>
    <message id="ov_remote">
        <source>Remote control</source>
        <translation>Fernbedienung</translation>
    </message>
    <message id="ov_restart_device">
        <source>Restart device</source>
        <translation>Gerät neu starten</translation>
    </message>
    <message id="ov_right_mask_angle">
        <source>Right mask angle</source>
        <translation>Winkel der rechten Maske</translation>
    </message>
    <message id="ov_right_mask_long">
        <source>Right mask length</source>
        <translation>Länge der rechten Maske</translation>
    </message>
    <message id="ov_safe_stop">
        <source>Emergency stop</source>
        <translation>Not-Aus</translation>
    </message>
    <message id="ov_sample_diamond">
        <source>Diamond</source>
        <translation>Raute</translation>
    </message>
    <message id="ov_sample_figure">
        <source>Figure</source>
        <translation>Figur</translation>
    </message>
    <message id="ov_sample_fish">
        <source>Fish</source>
        <translation>Fisch</translation>
    </message>
    <message id="ov_sample_loop">
        <source>Loop</source>
        <translation>Schleife</translation>
    </message>
    <message id="ov_sample_ring">
        <source>Ring</source>
        <translation>Ring</translation>
    </message>
    <message id="ov_save">
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message id="ov_save_changed_content">
        <source>Save the changes to the device</source>
        <translation>Änderungen auf dem Gerät speichern</translation>
    </message>
    <message id="ov_screen_movex">
        <source>Horizontal offset</source>
        <translation>Horizontale Verschiebung</translation>
    </message>
    <message id="ov_screen_movey">
        <source>Vertical offset</source>
        <translation>Vertikale Verschiebung</translation>
    </message>
    <message id="ov_sd_remain">
        <source>Free storage</source>
        <translation>Freier Speicher</translation>
    </message>
    <message id="ov_search">
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message id="ov_search_failed">
        <source>The device search could not run. Check the network connection and that no other program is searching for devices, then try again.</source>
        <translation>Die Gerätesuche konnte nicht ausgeführt werden. Prüfen Sie die Netzwerkverbindung und dass kein anderes Programm nach Geräten sucht, und versuchen Sie es dann erneut.</translation>
    </message>
    <message id="ov_select_all">
        <source>Select all</source>
        <translation>Alle auswählen</translation>
    </message>
    <message id="ov_server_conn">
        <source>Server</source>
        <translation>Server</translation>
    </message>
    <message id="ov_service_tip">
        <source>Server</source>
        <translation>Server</translation>
    </message>
    <message id="ov_set_angle_error">
        <source>Could not set the angle</source>
        <translation>Winkel konnte nicht eingestellt werden</translation>
    </message>
    <message id="ov_set_fail">
        <source>Setting failed</source>
        <translation>Einstellung fehlgeschlagen</translation>
    </message>
    <message id="ov_set_light_error">
        <source>Could not set the brightness</source>
        <translation>Helligkeit konnte nicht eingestellt werden</translation>
    </message>
    <message id="ov_set_light_success">
        <source>Brightness set</source>
        <translation>Helligkeit eingestellt</translation>
    </message>
    <message id="ov_set_speed">
        <source>Rotation speed</source>
        <translation>Drehgeschwindigkeit</translation>
    </message>
    <message id="ov_set_success">
        <source>Setting applied</source>
        <translation>Einstellung übernommen</translation>
    </message>
    <message id="ov_set_timer">
        <source>Timer</source>
        <translation>Zeitschaltung</translation>
    </message>
    <message id="ov_slave">
        <source>Slave</source>
        <translation>Slave</translation>
    </message>
    <message id="ov_spec_chars_tip">
        <source>The name must not contain ( ) &amp; ' ` ; # commas or line breaks</source>
        <translation>Der Name darf weder ( ) &amp; ' ` ; # noch Kommas oder Zeilenumbrüche enthalten</translation>
    </message>
    <message id="ov_speed_fast">
        <source>Fast</source>
        <translation>Schnell</translation>
    </message>
    <message id="ov_speed_slow">
        <source>Slow</source>
        <translation>Langsam</translation>
    </message>
    <message id="ov_sta2ap">
        <source>Back to hotspot mode</source>
        <translation>Zurück in den Hotspot-Modus</translation>
    </message>
    <message id="ov_sta2ap_success">
        <source>The device has left the Wi-Fi network and is back in hotspot mode.</source>
        <translation>Das Gerät hat das WLAN verlassen und ist wieder im Hotspot-Modus.</translation>
    </message>
    <message id="ov_sta_device_list">
        <source>Devices on the network</source>
        <translation>Geräte im Netzwerk</translation>
    </message>
    <message id="ov_success">
        <source>Success</source>
        <translation>Erfolgreich</translation>
    </message>
    <message id="ov_switch_gap">
        <source>Interval between videos</source>
        <translation>Pause zwischen Videos</translation>
    </message>
    <message id="ov_time_start">
        <source>Switch on at</source>
        <translation>Einschaltzeit</translation>
    </message>
    <message id="ov_time_stop">
        <source>Switch off at</source>
        <translation>Ausschaltzeit</translation>
    </message>
    <message id="ov_times">
        <source>Play count</source>
        <translation>Wiedergaben</translation>
    </message>
    <message id="ov_top_mask">
        <source>Top mask</source>
        <translation>Maske oben</translation>
    </message>
    <message id="ov_top_mask_angle">
        <source>Top mask angle</source>
        <translation>Winkel der oberen Maske</translation>
    </message>
    <message id="ov_top_mask_long">
        <source>Top mask length</source>
        <translation>Länge der oberen Maske</translation>
    </message>
    <message id="ov_union">
        <source>Unions</source>
        <translation>Verbünde</translation>
    </message>
    <message id="ov_union_clear_video">
        <source>Clear play lists</source>
        <translation>Wiedergabelisten leeren</translation>
    </message>
    <message id="ov_union_close_mask">
        <source>Masks off</source>
        <translation>Masken aus</translation>
    </message>
    <message id="ov_union_columns">
        <source>Columns</source>
        <translation>Spalten</translation>
    </message>
    <message id="ov_union_cut_upload">
        <source>Cut and upload video</source>
        <translation>Video zerlegen und hochladen</translation>
    </message>
    <message id="ov_union_default_mask">
        <source>Default masks</source>
        <translation>Standardmasken</translation>
    </message>
    <message id="ov_union_delete_video">
        <source>Delete a video</source>
        <translation>Video löschen</translation>
    </message>
    <message id="ov_union_edit">
        <source>Edit union</source>
        <translation>Verbund bearbeiten</translation>
    </message>
    <message id="ov_union_list_changed">
        <source>The union list was changed elsewhere. Open the list again and repeat your change.</source>
        <translation>Die Verbundliste wurde an anderer Stelle geändert. Öffnen Sie die Liste erneut und wiederholen Sie Ihre Änderung.</translation>
    </message>
    <message id="ov_union_name">
        <source>Union name</source>
        <translation>Name des Verbunds</translation>
    </message>
    <message id="ov_union_open_mask">
        <source>Masks only</source>
        <translation>Nur Masken einschalten</translation>
    </message>
    <message id="ov_union_refresh_ip">
        <source>Refresh addresses</source>
        <translation>Adressen aktualisieren</translation>
    </message>
    <message id="ov_union_reverse">
        <source>Top-left fan in front</source>
        <translation>Lüfter oben links vorn</translation>
    </message>
    <message id="ov_union_rows">
        <source>Rows</source>
        <translation>Zeilen</translation>
    </message>
    <message id="ov_union_size_tip">
        <source>Rows and columns must be whole numbers</source>
        <translation>Zeilen und Spalten müssen ganze Zahlen sein</translation>
    </message>
    <message id="ov_union_sync_off">
        <source>Stop Wi-Fi sync</source>
        <translation>WLAN-Synchronisierung beenden</translation>
    </message>
    <message id="ov_union_sync_on">
        <source>Start Wi-Fi sync</source>
        <translation>WLAN-Synchronisierung starten</translation>
    </message>
    <message id="ov_union_upload_cut">
        <source>Upload cut tiles</source>
        <translation>Zerlegte Teile hochladen</translation>
    </message>
    <message id="ov_union_upload_same">
        <source>Upload one video to all</source>
        <translation>Ein Video auf alle hochladen</translation>
    </message>
    <message id="ov_union_white_off">
        <source>White background off</source>
        <translation>Weißer Hintergrund aus</translation>
    </message>
    <message id="ov_union_white_on">
        <source>White background on</source>
        <translation>Weißer Hintergrund an</translation>
    </message>
    <message id="ov_unsupport_tip">
        <source>not supported by the device</source>
        <translation>vom Gerät nicht unterstützt</translation>
    </message>
    <message id="ov_restarting">
        <source>The device is restarting</source>
        <translation>Das Gerät wird neu gestartet</translation>
    </message>
    <message id="ov_update_success">
        <source>Update uploaded. Reconnect once the device has restarted.</source>
        <translation>Update hochgeladen. Verbinden Sie sich nach dem Neustart des Geräts erneut.</translation>
    </message>
    <message id="ov_use">
        <source>Use</source>
        <translation>Verwenden</translation>
    </message>
    <message id="ov_username">
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message id="ov_using">
        <source>In use</source>
        <translation>In Verwendung</translation>
    </message>
    <message id="ov_version_b">
        <source>Base version</source>
        <translation>Basisversion</translation>
    </message>
    <message id="ov_version_c">
        <source>Core version</source>
        <translation>Kernversion</translation>
    </message>
    <message id="ov_version_f">
        <source>FPGA version</source>
        <translation>FPGA-Version</translation>
    </message>
    <message id="ov_video_list">
        <source>Video list</source>
        <translation>Videoliste</translation>
    </message>
    <message id="ov_video_store">
        <source>Sample videos</source>
        <translation>Beispielvideos</translation>
    </message>
    <message id="ov_volume_adj">
        <source>Volume</source>
        <translation>Lautstärke</translation>
    </message>
    <message id="ov_wait_for_search">
        <source>A device search is in progress. Please wait until it has finished, then try again.</source>
        <translation>Eine Gerätesuche läuft. Bitte warten Sie, bis sie abgeschlossen ist, und versuchen Sie es dann erneut.</translation>
    </message>
    <message id="ov_wait_for_upload">
        <source>An upload is in progress. Please wait until it has finished.</source>
        <translation>Ein Upload läuft. Bitte warten Sie, bis er abgeschlossen ist.</translation>
    </message>
    <message id="ov_white_bg">
        <source>White background</source>
        <translation>Weißer Hintergrund</translation>
    </message>
    <message id="ov_wifi_name">
        <source>Wi-Fi network</source>
        <translation>WLAN-Netzwerk</translation>
    </message>
    <message id="ov_wifi_psd">
        <source>Wi-Fi password</source>
        <translation>WLAN-Passwort</translation>
    </message>
</context>
</TS>
