<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_PT">
<context>
    <name></name>
    <message id="cloud_server_error">
        <source>Server error, please try again later</source>
        <translation>Erro do servidor, tente novamente mais tarde</translation>
    </message>
    <message id="ov_4g_network">
        <source>4G network</source>
        <translation>Rede 4G</translation>
    </message>
    <message id="ov_a11y_choices">
        <source>Choices</source>
        <translation>Opções</translation>
    </message>
    <message id="ov_a11y_grid_empty">
        <source>Empty slot, row %1, column %2</source>
        <translation>Posição vazia, linha %1, coluna %2</translation>
    </message>
    <message id="ov_a11y_grid_fan">
        <source>%1, row %2, column %3</source>
        <translation>%1, linha %2, coluna %3</translation>
    </message>
    <message id="ov_a11y_hours_tens">
        <source>Hours, tens digit</source>
        <translation>Horas, dezenas</translation>
    </message>
    <message id="ov_a11y_hours_units">
        <source>Hours, units digit</source>
        <translation>Horas, unidades</translation>
    </message>
    <message id="ov_a11y_language">
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message id="ov_a11y_menu">
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message id="ov_a11y_minutes_tens">
        <source>Minutes, tens digit</source>
        <translation>Minutos, dezenas</translation>
    </message>
    <message id="ov_a11y_minutes_units">
        <source>Minutes, units digit</source>
        <translation>Minutos, unidades</translation>
    </message>
    <message id="ov_a11y_next">
        <source>Next</source>
        <translation>Seguinte</translation>
    </message>
    <message id="ov_a11y_play">
        <source>Play</source>
        <translation>Reproduzir</translation>
    </message>
    <message id="ov_a11y_previous">
        <source>Previous</source>
        <translation>Anterior</translation>
    </message>
    <message id="ov_a11y_progress">
        <source>Progress</source>
        <translation>Progresso</translation>
    </message>
    <message id="ov_a11y_seconds_tens">
        <source>Seconds, tens digit</source>
        <translation>Segundos, dezenas</translation>
    </message>
    <message id="ov_a11y_seconds_units">
        <source>Seconds, units digit</source>
        <translation>Segundos, unidades</translation>
    </message>
    <message id="ov_a11y_status">
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message id="ov_add">
        <source>Add</source>
        <translation>Adicionar</translation>
    </message>
    <message id="ov_add_file_fail">
        <source>Upload failed</source>
        <translation>Falha no envio</translation>
    </message>
    <message id="ov_add_file_success">
        <source>Upload complete</source>
        <translation>Envio concluído</translation>
    </message>
    <message id="ov_add_file_to_list">
        <source>Add files to the play list</source>
        <translation>Adicionar ficheiros à lista de reprodução</translation>
    </message>
    <message id="ov_advanced">
        <source>Advanced settings</source>
        <translation>Definições avançadas</translation>
    </message>
    <message id="ov_already_normal_mode">
        <source>The device is already in hotspot mode</source>
        <translation>O dispositivo já está em modo de ponto de acesso</translation>
    </message>
    <message id="ov_angle_adj">
        <source>Angle adjustment</source>
        <translation>Ajuste do ângulo</translation>
    </message>
    <message id="ov_angle_decrease">
        <source>One degree less</source>
        <translation>Menos um grau</translation>
    </message>
    <message id="ov_angle_increase">
        <source>One degree more</source>
        <translation>Mais um grau</translation>
    </message>
    <message id="ov_ap2sta_tip">
        <source>The device will join the selected Wi-Fi network and the current connection will close. Continue?</source>
        <translation>O dispositivo vai ligar-se à rede Wi-Fi escolhida e a ligação atual será fechada. Continuar?</translation>
    </message>
    <message id="ov_ap2stp_success">
        <source>The device is joining the Wi-Fi network. Connect this computer to the same network, then search for the device.</source>
        <translation>O dispositivo está a ligar-se à rede Wi-Fi. Ligue este computador à mesma rede e procure o dispositivo.</translation>
    </message>
    <message id="ov_ask_delete_index">
        <source>Enter the number of the video to delete</source>
        <translation>Introduza o número do vídeo a eliminar</translation>
    </message>
    <message id="ov_auto_start">
        <source>Auto start</source>
        <translation>Início automático</translation>
    </message>
    <message id="ov_back">
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message id="ov_bottom_mask">
        <source>Bottom mask</source>
        <translation>Máscara inferior</translation>
    </message>
    <message id="ov_bottom_mask_angle">
        <source>Bottom mask angle</source>
        <translation>Ângulo da máscara inferior</translation>
    </message>
    <message id="ov_bottom_mask_long">
        <source>Bottom mask length</source>
        <translation>Comprimento da máscara inferior</translation>
    </message>
    <message id="ov_bottom_mix">
        <source>Bottom mixed mask</source>
        <translation>Máscara inferior mista</translation>
    </message>
    <message id="ov_breath">
        <source>Breathing light</source>
        <translation>Luz de respiração</translation>
    </message>
    <message id="ov_cancel">
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message id="ov_change_password_confirm">
        <source>Change the hotspot password? You will need the new password to connect again.</source>
        <translation>Alterar a palavra-passe do ponto de acesso? Precisará da nova palavra-passe para voltar a ligar.</translation>
    </message>
    <message id="ov_clear">
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
    <message id="ov_clear_list_tip">
        <source>Clear the play list? Every video on it will be removed.</source>
        <translation>Limpar a lista de reprodução? Todos os vídeos serão removidos.</translation>
    </message>
    <message id="ov_clear_playlist">
        <source>Clear the play list</source>
        <translation>Limpar a lista de reprodução</translation>
    </message>
    <message id="ov_close_4g_confirm">
        <source>Turn off 4G?</source>
        <translation>Desligar o 4G?</translation>
    </message>
    <message id="ov_close_hot_spot_confirm">
        <source>Turn off the hotspot?</source>
        <translation>Desligar o ponto de acesso?</translation>
    </message>
    <message id="ov_collapse">
        <source>Collapse</source>
        <translation>Recolher</translation>
    </message>
    <message id="ov_confirm">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="ov_confirm_delete">
        <source>Delete this item</source>
        <translation>Eliminar este elemento</translation>
    </message>
    <message id="ov_confirm_gap">
        <source>Change the interval between videos?</source>
        <translation>Alterar o intervalo entre vídeos?</translation>
    </message>
    <message id="ov_confirm_operate">
        <source>Carry out this operation?</source>
        <translation>Executar esta operação?</translation>
    </message>
    <message id="ov_confirm_restart">
        <source>Restart the device?</source>
        <translation>Reiniciar o dispositivo?</translation>
    </message>
    <message id="ov_confirm_set_speed">
        <source>Change the rotation speed?</source>
        <translation>Alterar a velocidade de rotação?</translation>
    </message>
    <message id="ov_conn_bluetooth">
        <source>Bluetooth connection</source>
        <translation>Ligação Bluetooth</translation>
    </message>
    <message id="ov_conn_fail_tip">
        <source>Could not connect to the device. Check that it is switched on and in range, then try again.</source>
        <translation>Não foi possível ligar ao dispositivo. Verifique se está ligado e ao alcance e tente novamente.</translation>
    </message>
    <message id="ov_conn_tip">
        <source>Choose how to connect to the device</source>
        <translation>Escolha como ligar ao dispositivo</translation>
    </message>
    <message id="ov_connect_device">
        <source>Connect device</source>
        <translation>Ligar dispositivo</translation>
    </message>
    <message id="ov_connect_failed">
        <source>Connection failed</source>
        <translation>Falha na ligação</translation>
    </message>
    <message id="ov_connecting">
        <source>Connecting</source>
        <translation>A ligar</translation>
    </message>
    <message id="ov_copy">
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message id="ov_cover_length">
        <source>Cover length</source>
        <translation>Comprimento de cobertura</translation>
    </message>
    <message id="ov_credit_line">
        <source>Orvane, the controller for holographic fan displays</source>
        <translation>Orvane, o controlador de ecrãs de ventoinha holográfica</translation>
    </message>
    <message id="ov_cut_transcode">
        <source>Cutting and converting the video</source>
        <translation>A cortar e converter o vídeo</translation>
    </message>
    <message id="ov_default_device_type">
        <source>Holographic fan</source>
        <translation>Ventoinha holográfica</translation>
    </message>
    <message id="ov_delete_file_ensure">
        <source>Delete this file?</source>
        <translation>Eliminar este ficheiro?</translation>
    </message>
    <message id="ov_delete_list_ensure">
        <source>Delete this play list?</source>
        <translation>Eliminar esta lista de reprodução?</translation>
    </message>
    <message id="ov_delete_row_out_of_range">
        <source>Only the first 256 stored files can be deleted one by one; clear the list to remove the others</source>
        <translation>Só os primeiros 256 ficheiros guardados podem ser eliminados um a um; limpe a lista para remover os restantes</translation>
    </message>
    <message id="ov_detail">
        <source>Detail</source>
        <translation>Detalhe</translation>
    </message>
    <message id="ov_device_conn_net">
        <source>Connect the device to the network</source>
        <translation>Ligar o dispositivo à rede</translation>
    </message>
    <message id="ov_device_hot_spot">
        <source>Device hotspot</source>
        <translation>Ponto de acesso do dispositivo</translation>
    </message>
    <message id="ov_device_is_ap">
        <source>Direct connection</source>
        <translation>Ligação direta</translation>
    </message>
    <message id="ov_device_is_ap_tip">
        <source>This computer joins the device's own Wi-Fi hotspot</source>
        <translation>Este computador liga-se ao ponto de acesso Wi-Fi do próprio dispositivo</translation>
    </message>
    <message id="ov_device_is_sta">
        <source>Network connection</source>
        <translation>Ligação por rede</translation>
    </message>
    <message id="ov_device_is_sta_des">
        <source>The device and this computer are on the same router network</source>
        <translation>O dispositivo e este computador estão na mesma rede do router</translation>
    </message>
    <message id="ov_disconn_wifi">
        <source>Disconnect Wi-Fi</source>
        <translation>Desligar Wi-Fi</translation>
    </message>
    <message id="ov_edit_list">
        <source>Edit play list</source>
        <translation>Editar lista de reprodução</translation>
    </message>
    <message id="ov_enter_8_pure_int_password">
        <source>Enter a password of exactly 8 digits</source>
        <translation>Introduza uma palavra-passe com exatamente 8 algarismos</translation>
    </message>
    <message id="ov_err_check">
        <source>Troubleshooting</source>
        <translation>Resolução de problemas</translation>
    </message>
    <message id="ov_fail">
        <source>Failed</source>
        <translation>Falhou</translation>
    </message>
    <message id="ov_file_name">
        <source>File name</source>
        <translation>Nome do ficheiro</translation>
    </message>
    <message id="ov_file_name_duplicate">
        <source>A file with this name already exists</source>
        <translation>Já existe um ficheiro com este nome</translation>
    </message>
    <message id="ov_file_size">
        <source>Size</source>
        <translation>Tamanho</translation>
    </message>
    <message id="ov_forbidden_close_4g">
        <source>4G cannot be turned off in the device's current hotspot state</source>
        <translation>Não é possível desligar o 4G no estado atual do ponto de acesso</translation>
    </message>
    <message id="ov_forget_password_hint">
        <source>The saved password was refused. Enter the device password again.</source>
        <translation>A palavra-passe guardada foi recusada. Introduza novamente a palavra-passe do dispositivo.</translation>
    </message>
    <message id="ov_forget_wifi">
        <source>Forgot the Wi-Fi password?</source>
        <translation>Esqueceu a palavra-passe Wi-Fi?</translation>
    </message>
    <message id="ov_help">
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message id="ov_help_ap_btn">
        <source>Hotspot mode: press the mode button on the device once.</source>
        <translation>Modo de ponto de acesso: prima uma vez o botão de modo do dispositivo.</translation>
    </message>
    <message id="ov_help_ap_light">
        <source>The indicator light stays on while the device's hotspot is active.</source>
        <translation>A luz indicadora fica acesa enquanto o ponto de acesso do dispositivo está ativo.</translation>
    </message>
    <message id="ov_help_pair_btn">
        <source>Network mode: hold the mode button until the indicator light flashes.</source>
        <translation>Modo de rede: mantenha premido o botão de modo até a luz indicadora piscar.</translation>
    </message>
    <message id="ov_help_pair_light">
        <source>The indicator light flashes while the device joins a network.</source>
        <translation>A luz indicadora pisca enquanto o dispositivo se liga a uma rede.</translation>
    </message>
    <message id="ov_help_title">
        <source>Connection help</source>
        <translation>Ajuda de ligação</translation>
    </message>
    <message id="ov_hot_spot_name">
        <source>Hotspot name</source>
        <translation>Nome do ponto de acesso</translation>
    </message>
    <message id="ov_hot_spot_password">
        <source>Hotspot password</source>
        <translation>Palavra-passe do ponto de acesso</translation>
    </message>
    <message id="ov_input_list_name">
        <source>Enter a name for the play list</source>
        <translation>Introduza um nome para a lista de reprodução</translation>
    </message>
    <message id="ov_invalid_file">
        <source>Unsupported file</source>
        <translation>Ficheiro não suportado</translation>
    </message>
    <message id="ov_left_mask_angle">
        <source>Left mask angle</source>
        <translation>Ângulo da máscara esquerda</translation>
    </message>
    <message id="ov_left_mask_long">
        <source>Left mask length</source>
        <translation>Comprimento da máscara esquerda</translation>
    </message>
    <message id="ov_light_adj">
        <source>Brightness</source>
        <translation>Brilho</translation>
    </message>
    <message id="ov_login_failed">
        <source>Sign-in failed</source>
        <translation>Falha no início de sessão</translation>
    </message>
    <message id="ov_login_tip">
        <source>Sign in to your cloud account</source>
        <translation>Inicie sessão na sua conta na nuvem</translation>
    </message>
    <message id="ov_logout">
        <source>Sign out</source>
        <translation>Terminar sessão</translation>
    </message>
    <message id="ov_mask_mode">
        <source>Mask mode</source>
        <translation>Modo de máscara</translation>
    </message>
    <message id="ov_master">
        <source>Master</source>
        <translation>Principal</translation>
    </message>
    <message id="ov_move_down">
        <source>Move down</source>
        <translation>Mover para baixo</translation>
    </message>
    <message id="ov_move_up">
        <source>Move up</source>
        <translation>Mover para cima</translation>
    </message>
    <message id="ov_multi_list">
        <source>Play lists</source>
        <translation>Listas de reprodução</translation>
    </message>
    <message id="ov_next">
        <source>Next</source>
        <translation>Seguinte</translation>
    </message>
    <message id="ov_no_mask">
        <source>No mask</source>
        <translation>Sem máscara</translation>
    </message>
    <message id="ov_normal">
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message id="ov_no_device_found">
        <source>No device found</source>
        <translation>Nenhum dispositivo encontrado</translation>
    </message>
    <message id="ov_not_selected_device">
        <source>Select a device first</source>
        <translation>Selecione primeiro um dispositivo</translation>
    </message>
    <message id="ov_now_status">
        <source>Union role</source>
        <translation>Função na união</translation>
    </message>
    <message id="ov_open_hot_spot_confirm_client">
        <source>Turn on the hotspot?</source>
        <translation>Ligar o ponto de acesso?</translation>
    </message>
    <message id="ov_operation">
        <source>Actions</source>
        <translation>Ações</translation>
    </message>
    <message id="ov_param_conf">
        <source>Settings</source>
        <translation>Definições</translation>
    </message>
    <message id="ov_password">
        <source>Password</source>
        <translation>Palavra-passe</translation>
    </message>
    <message id="ov_path_nospace_tip">
        <source>The name must not contain spaces</source>
        <translation>O nome não pode conter espaços</translation>
    </message>
    <message id="ov_pause">
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message id="ov_play">
        <source>Play</source>
        <translation>Reproduzir</translation>
    </message>
    <message id="ov_playing">
        <source>Playing</source>
        <translation>A reproduzir</translation>
    </message>
    <message id="ov_playlist">
        <source>Play list</source>
        <translation>Lista de reprodução</translation>
    </message>
    <message id="ov_power">
        <source>Power</source>
        <translation>Alimentação</translation>
    </message>
    <message id="ov_previous">
        <source>Previous</source>
        <translation>Anterior</translation>
    </message>
    <message id="ov_progress_failed">
        <source>Failed</source>
        <translation>Falhou</translation>
    </message>
    <message id="ov_progress_failed_at">
        <source>Failed at %1</source>
        <translation>Falhou aos %1</translation>
    </message>
    <message id="ov_progress_failed_at_reason">
        <source>Failed at %1: %2</source>
        <translation>Falhou aos %1: %2</translation>
    </message>
    <message id="ov_progress_finished">
        <source>Complete</source>
        <translation>Concluído</translation>
    </message>
    <message id="ov_progress_running">
        <source>In progress: %1</source>
        <translation>Em curso: %1</translation>
    </message>
    <message id="ov_psd">
        <source>Password</source>
        <translation>Palavra-passe</translation>
    </message>
    <message id="ov_psd_wrong">
        <source>Wrong password: it must have at least 8 characters</source>
        <translation>Palavra-passe incorreta: deve ter pelo menos 8 caracteres</translation>
    </message>
    <message id="ov_radius_length">
        <source>Radius length</source>
        <translation>Comprimento do raio</translation>
    </message>
    <message id="ov_refresh">
        <source>Refresh</source>
        <translation>Atualizar</translation>
    </message>
    <message id="ov_refresh_current_list">
        <source>Reload the play list from the device</source>
        <translation>Recarregar a lista de reprodução a partir do dispositivo</translation>
    </message>
    <message id="ov_refresh_wifi_sync">
        <source>Refresh Wi-Fi sync</source>
        <translation>Atualizar a sincronização Wi-Fi</translation>
    </message>
    <message id="ov_remote">
        <source>Remote control</source>
        <translation>Controlo remoto</translation>
    </message>
    <message id="ov_restart_device">
        <source>Restart device</source>
        <translation>Reiniciar dispositivo</translation>
    </message>
    <message id="ov_right_mask_angle">
        <source>Right mask angle</source>
        <translation>Ângulo da máscara direita</translation>
    </message>
    <message id="ov_right_mask_long">
        <source>Right mask length</source>
        <translation>Comprimento da máscara direita</translation>
    </message>
    <message id="ov_safe_stop">
        <source>Emergency stop</source>
        <translation>Paragem de emergência</translation>
    </message>
    <message id="ov_sample_diamond">
        <source>Diamond</source>
        <translation>Losango</translation>
    </message>
    <message id="ov_sample_figure">
        <source>Figure</source>
        <translation>Figura</translation>
    </message>
    <message id="ov_sample_fish">
        <source>Fish</source>
        <translation>Peixe</translation>
    </message>
    <message id="ov_sample_loop">
        <source>Loop</source>
        <translation>Ciclo</translation>
    </message>
    <message id="ov_sample_ring">
        <source>Ring</source>
        <translation>Anel</translation>
    </message>
    <message id="ov_save">
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message id="ov_save_changed_content">
        <source>Save the changes to the device</source>
        <translation>Guardar as alterações no dispositivo</translation>
    </message>
    <message id="ov_screen_movex">
        <source>Horizontal offset</source>
        <translation>Deslocamento horizontal</translation>
    </message>
    <message id="ov_screen_movey">
        <source>Vertical offset</source>
        <translation>Deslocamento vertical</translation>
    </message>
    <message id="ov_sd_remain">
        <source>Free storage</source>
        <translation>Armazenamento livre</translation>
    </message>
    <message id="ov_search">
        <source>Search</source>
        <translation>Procurar</translation>
    </message>
    <message id="ov_search_failed">
        <source>The device search could not run. Check the network connection and that no other program is searching for devices, then try again.</source>
        <translation>Não foi possível efetuar a pesquisa de dispositivos. Verifique a ligação à rede e se nenhum outro programa está a procurar dispositivos e tente novamente.</translation>
    </message>
    <message id="ov_select_all">
        <source>Select all</source>
        <translation>Selecionar tudo</translation>
    </message>
    <message id="ov_server_conn">
        <source>Server</source>
        <translation>Servidor</translation>
    </message>
    <message id="ov_service_tip">
        <source>Server</source>
        <translation>Servidor</translation>
    </message>
    <message id="ov_set_angle_error">
        <source>Could not set the angle</source>
        <translation>Não foi possível definir o ângulo</translation>
    </message>
    <message id="ov_set_fail">
        <source>Setting failed</source>
        <translation>Falha na definição</translation>
    </message>
    <message id="ov_set_light_error">
        <source>Could not set the brightness</source>
        <translation>Não foi possível definir o brilho</translation>
    </message>
    <message id="ov_set_light_success">
        <source>Brightness set</source>
        <translation>Brilho definido</translation>
    </message>
    <message id="ov_set_speed">
        <source>Rotation speed</source>
        <translation>Velocidade de rotação</translation>
    </message>
    <message id="ov_set_success">
        <source>Setting applied</source>
        <translation>Definição aplicada</translation>
    </message>
    <message id="ov_set_timer">
        <source>Timer</source>
        <translation>Temporizador</translation>
    </message>
    <message id="ov_slave">
        <source>Slave</source>
        <translation>Secundário</translation>
    </message>
    <message id="ov_spec_chars_tip">
        <source>The name must not contain ( ) &amp; ' ` ; # commas or line breaks</source>
        <translation>O nome não pode conter ( ) &amp; ' ` ; # vírgulas nem quebras de linha</translation>
    </message>
    <message id="ov_speed_fast">
        <source>Fast</source>
        <translation>Rápida</translation>
    </message>
    <message id="ov_speed_slow">
        <source>Slow</source>
        <translation>Lenta</translation>
    </message>
    <message id="ov_sta2ap">
        <source>Back to hotspot mode</source>
        <translation>Voltar ao modo de ponto de acesso</translation>
    </message>
    <message id="ov_sta2ap_success">
        <source>The device has left the Wi-Fi network and is back in hotspot mode.</source>
        <translation>O dispositivo saiu da rede Wi-Fi e voltou ao modo de ponto de acesso.</translation>
    </message>
    <message id="ov_sta_device_list">
        <source>Devices on the network</source>
        <translation>Dispositivos na rede</translation>
    </message>
    <message id="ov_success">
        <source>Success</source>
        <translation>Concluído</translation>
    </message>
    <message id="ov_switch_gap">
        <source>Interval between videos</source>
        <translation>Intervalo entre vídeos</translation>
    </message>
    <message id="ov_time_start">
        <source>Switch on at</source>
        <translation>Hora de ligar</translation>
    </message>
    <message id="ov_time_stop">
        <source>Switch off at</source>
        <translation>Hora de desligar</translation>
    </message>
    <message id="ov_times">
        <source>Play count</source>
        <translation>Reproduções</translation>
    </message>
    <message id="ov_top_mask">
        <source>Top mask</source>
        <translation>Máscara superior</translation>
    </message>
    <message id="ov_top_mask_angle">
        <source>Top mask angle</source>
        <translation>Ângulo da máscara superior</translation>
    </message>
    <message id="ov_top_mask_long">
        <source>Top mask length</source>
        <translation>Comprimento da máscara superior</translation>
    </message>
    <message id="ov_union">
        <source>Unions</source>
        <translation>Uniões</translation>
    </message>
    <message id="ov_union_clear_video">
        <source>Clear play lists</source>
        <translation>Limpar listas de reprodução</translation>
    </message>
    <message id="ov_union_close_mask">
        <source>Masks off</source>
        <translation>Desligar máscaras</translation>
    </message>
    <message id="ov_union_columns">
        <source>Columns</source>
        <translation>Colunas</translation>
    </message>
    <message id="ov_union_cut_upload">
        <source>Cut and upload video</source>
        <translation>Cortar e enviar vídeo</translation>
    </message>
    <message id="ov_union_default_mask">
        <source>Default masks</source>
        <translation>Máscaras predefinidas</translation>
    </message>
    <message id="ov_union_delete_video">
        <source>Delete a video</source>
        <translation>Eliminar um vídeo</translation>
    </message>
    <message id="ov_union_edit">
        <source>Edit union</source>
        <translation>Editar união</translation>
    </message>
    <message id="ov_union_list_changed">
        <source>The union list was changed elsewhere. Open the list again and repeat your change.</source>
        <translation>A lista de uniões foi alterada noutro local. Abra a lista novamente e repita a alteração.</translation>
    </message>
    <message id="ov_union_name">
        <source>Union name</source>
        <translation>Nome da união</translation>
    </message>
    <message id="ov_union_open_mask">
        <source>Masks only</source>
        <translation>Apenas máscaras</translation>
    </message>
    <message id="ov_union_refresh_ip">
        <source>Refresh addresses</source>
        <translation>Atualizar endereços</translation>
    </message>
    <message id="ov_union_reverse">
        <source>Top-left fan in front</source>
        <translation>Ventoinha superior esquerda à frente</translation>
    </message>
    <message id="ov_union_rows">
        <source>Rows</source>
        <translation>Linhas</translation>
    </message>
    <message id="ov_union_size_tip">
        <source>Rows and columns must be whole numbers</source>
        <translation>As linhas e colunas devem ser números inteiros</translation>
    </message>
    <message id="ov_union_sync_off">
        <source>Stop Wi-Fi sync</source>
        <translation>Parar sincronização Wi-Fi</translation>
    </message>
    <message id="ov_union_sync_on">
        <source>Start Wi-Fi sync</source>
        <translation>Iniciar sincronização Wi-Fi</translation>
    </message>
    <message id="ov_union_upload_cut">
        <source>Upload cut tiles</source>
        <translation>Enviar mosaicos cortados</translation>
    </message>
    <message id="ov_union_upload_same">
        <source>Upload one video to all</source>
        <translation>Enviar um vídeo para todos</translation>
    </message>
    <message id="ov_union_white_off">
        <source>White background off</source>
        <translation>Desligar fundo branco</translation>
    </message>
    <message id="ov_union_white_on">
        <source>White background on</source>
        <translation>Ligar fundo branco</translation>
    </message>
    <message id="ov_unsupport_tip">
        <source>not supported by the device</source>
        <translation>não suportado pelo dispositivo</translation>
    </message>
    <message id="ov_restarting">
        <source>The device is restarting</source>
        <translation>O dispositivo está a reiniciar</translation>
    </message>
    <message id="ov_update_success">
        <source>Update uploaded. Reconnect once the device has restarted.</source>
        <translation>Atualização enviada. Volte a ligar depois de o dispositivo reiniciar.</translation>
    </message>
    <message id="ov_use">
        <source>Use</source>
        <translation>Usar</translation>
    </message>
    <message id="ov_username">
        <source>Account</source>
        <translation>Conta</translation>
    </message>
    <message id="ov_using">
        <source>In use</source>
        <translation>Em uso</translation>
    </message>
    <message id="ov_version_b">
        <source>Base version</source>
        <translation>Versão base</translation>
    </message>
    <message id="ov_version_c">
        <source>Core version</source>
        <translation>Versão do núcleo</translation>
    </message>
    <message id="ov_version_f">
        <source>FPGA version</source>
        <translation>Versão FPGA</translation>
    </message>
    <message id="ov_video_list">
        <source>Video list</source>
        <translation>Lista de vídeos</translation>
    </message>
    <message id="ov_video_store">
        <source>Sample videos</source>
        <translation>Vídeos de exemplo</translation>
    </message>
    <message id="ov_volume_adj">
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message id="ov_wait_for_search">
        <source>A device search is in progress. Please wait until it has finished, then try again.</source>
        <translation>Está a decorrer uma pesquisa de dispositivos. Aguarde até terminar e tente novamente.</translation>
    </message>
    <message id="ov_wait_for_upload">
        <source>An upload is in progress. Please wait until it has finished.</source>
        <translation>Está a decorrer um envio. Aguarde até terminar.</translation>
    </message>
    <message id="ov_white_bg">
        <source>White background</source>
        <translation>Fundo branco</translation>
    </message>
    <message id="ov_wifi_name">
        <source>Wi-Fi network</source>
        <translation>Rede Wi-Fi</translation>
    </message>
    <message id="ov_wifi_psd">
        <source>Wi-Fi password</source>
        <translation>Palavra-passe Wi-Fi</translation>
    </message>
</context>
</TS>
