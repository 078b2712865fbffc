<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name></name>
    <message id="cloud_server_error">
        <source>Server error, please try again later</source>
        <translation>Error del servidor, inténtelo más tarde</translation>
    </message>
    <message id="ov_4g_network">
        <source>4G network</source>
        <translation>Red 4G</translation>
    </message>
    <message id="ov_a11y_choices">
        <source>Choices</source>
        <translation>Opciones</translation>
    </message>
    <message id="ov_a11y_grid_empty">
        <source>Empty slot, row %1, column %2</source>
        <translation>Posición vacía, fila %1, columna %2</translation>
    </message>
    <message id="ov_a11y_grid_fan">
        <source>%1, row %2, column %3</source>
        <translation>%1, fila %2, columna %3</translation>
    </message>
    <message id="ov_a11y_hours_tens">
        <source>Hours, tens digit</source>
        <translation>Horas, decenas</translation>
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
        <translation>Menú</translation>
    </message>
    <message id="ov_a11y_minutes_tens">
        <source>Minutes, tens digit</source>
        <translation>Minutos, decenas</translation>
    </message>
    <message id="ov_a11y_minutes_units">
        <source>Minutes, units digit</source>
        <translation>Minutos, unidades</translation>
    </message>
    <message id="ov_a11y_next">
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message id="ov_a11y_play">
        <source>Play</source>
        <translation>Reproducir</translation>
    </message>
    <message id="ov_a11y_previous">
        <source>Previous</source>
        <translation>Anterior</translation>
    </message>
    <message id="ov_a11y_progress">
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message id="ov_a11y_seconds_tens">
        <source>Seconds, tens digit</source>
        <translation>Segundos, decenas</translation>
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
        <translation>Añadir</translation>
    </message>
    <message id="ov_add_file_fail">
        <source>Upload failed</source>
        <translation>Error al subir</translation>
    </message>
    <message id="ov_add_file_success">
        <source>Upload complete</source>
        <translation>Subida completada</translation>
    </message>
    <message id="ov_add_file_to_list">
        <source>Add files to the play list</source>
        <translation>Añadir archivos a la lista de reproducción</translation>
    </message>
    <message id="ov_advanced">
        <source>Advanced settings</source>
        <translation>Ajustes avanzados</translation>
    </message>
    <message id="ov_already_normal_mode">
        <source>The device is already in hotspot mode</source>
        <translation>El dispositivo ya está en modo punto de acceso</translation>
    </message>
    <message id="ov_angle_adj">
        <source>Angle adjustment</source>
        <translation>Ajuste del ángulo</translation>
    </message>
    <message id="ov_angle_decrease">
        <source>One degree less</source>
        <translation>Un grado menos</translation>
    </message>
    <message id="ov_angle_increase">
        <source>One degree more</source>
        <translation>Un grado más</translation>
    </message>
    <message id="ov_ap2sta_tip">
        <source>The device will join the selected Wi-Fi network and the current connection will close. Continue?</source>
        <translation>El dispositivo se unirá a la red Wi-Fi seleccionada y la conexión actual se cerrará. ¿Continuar?</translation>
    </message>
    <message id="ov_ap2stp_success">
        <source>The device is joining the Wi-Fi network. Connect this computer to the same network, then search for the device.</source>
        <translation>El dispositivo se está uniendo a la red Wi-Fi. Conecte este ordenador a la misma red y busque el dispositivo.</translation>
    </message>
    <message id="ov_ask_delete_index">
        <source>Enter the number of the video to delete</source>
        <translation>Introduzca el número del vídeo que desea eliminar</translation>
    </message>
    <message id="ov_auto_start">
        <source>Auto start</source>
        <translation>Inicio automático</translation>
    </message>
    <message id="ov_back">
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message id="ov_bottom_mask">
        <source>Bottom mask</source>
        <translation>Máscara inferior</translation>
    </message>
    <message id="ov_bottom_mask_angle">
        <source>Bottom mask angle</source>
        <translation>Ángulo de la máscara inferior</translation>
    </message>
    <message id="ov_bottom_mask_long">
        <source>Bottom mask length</source>
        <translation>Longitud de la máscara inferior</translation>
    </message>
    <message id="ov_bottom_mix">
        <source>Bottom mixed mask</source>
        <translation>Máscara inferior mixta</translation>
    </message>
    <message id="ov_breath">
        <source>Breathing light</source>
        <translation>Luz respiratoria</translation>
    </message>
    <message id="ov_cancel">
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message id="ov_change_password_confirm">
        <source>Change the hotspot password? You will need the new password to connect again.</source>
        <translation>¿Cambiar la contraseña del punto de acceso? Necesitará la nueva contraseña para volver a conectarse.</translation>
    </message>
    <message id="ov_clear">
        <source>Clear</source>
        <translation>Vaciar</translation>
    </message>
    <message id="ov_clear_list_tip">
        <source>Clear the play list? Every video on it will be removed.</source>
        <translation>¿Vaciar la lista de reproducción? Se quitarán todos sus vídeos.</translation>
    </message>
    <message id="ov_clear_playlist">
        <source>Clear the play list</source>
        <translation>Vaciar la lista de reproducción</translation>
    </message>
    <message id="ov_close_4g_confirm">
        <source>Turn off 4G?</source>
        <translation>¿Desactivar 4G?</translation>
    </message>
    <message id="ov_close_hot_spot_confirm">
        <source>Turn off the hotspot?</source>
        <translation>¿Desactivar el punto de acceso?</translation>
    </message>
    <message id="ov_collapse">
        <source>Collapse</source>
        <translation>Contraer</translation>
    </message>
    <message id="ov_confirm">
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message id="ov_confirm_delete">
        <source>Delete this item</source>
        <translation>¿Eliminar este elemento</translation>
    </message>
    <message id="ov_confirm_gap">
        <source>Change the interval between videos?</source>
        <translation>¿Cambiar el intervalo entre vídeos?</translation>
    </message>
    <message id="ov_confirm_operate">
        <source>Carry out this operation?</source>
        <translation>¿Realizar esta operación?</translation>
    </message>
    <message id="ov_confirm_restart">
        <source>Restart the device?</source>
        <translation>¿Reiniciar el dispositivo?</translation>
    </message>
    <message id="ov_confirm_set_speed">
        <source>Change the rotation speed?</source>
        <translation>¿Cambiar la velocidad de rotación?</translation>
    </message>
    <message id="ov_conn_bluetooth">
        <source>Bluetooth connection</source>
        <translation>Conexión Bluetooth</translation>
    </message>
    <message id="ov_conn_fail_tip">
        <source>Could not connect to the device. Check that it is switched on and in range, then try again.</source>
        <translation>No se pudo conectar con el dispositivo. Compruebe que esté encendido y al alcance e inténtelo de nuevo.</translation>
    </message>
    <message id="ov_conn_tip">
        <source>Choose how to connect to the device</source>
        <translation>Elija cómo conectarse al dispositivo</translation>
    </message>
    <message id="ov_connect_device">
        <source>Connect device</source>
        <translation>Conectar dispositivo</translation>
    </message>
    <message id="ov_connect_failed">
        <source>Connection failed</source>
        <translation>Error de conexión</translation>
    </message>
    <message id="ov_connecting">
        <source>Connecting</source>
        <translation>Conectando</translation>
    </message>
    <message id="ov_copy">
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message id="ov_cover_length">
        <source>Cover length</source>
        <translation>Longitud de cobertura</translation>
    </message>
    <message id="ov_credit_line">
        <source>Orvane, the controller for holographic fan displays</source>
        <translation>Orvane, el controlador de pantallas de ventilador holográfico</translation>
    </message>
    <message id="ov_cut_transcode">
        <source>Cutting and converting the video</source>
        <translation>Cortando y convirtiendo el vídeo</translation>
    </message>
    <message id="ov_default_device_type">
        <source>Holographic fan</source>
        <translation>Ventilador holográfico</translation>
    </message>
    <message id="ov_delete_file_ensure">
        <source>Delete this file?</source>
        <translation>¿Eliminar este archivo?</translation>
    </message>
    <message id="ov_delete_list_ensure">
        <source>Delete this play list?</source>
        <translation>¿Eliminar esta lista de reproducción?</translation>
    </message>
    <message id="ov_delete_row_out_of_range">
        <source>Only the first 256 stored files can be deleted one by one; clear the list to remove the others</source>
        <translation>Solo los primeros 256 archivos guardados se pueden eliminar uno a uno; vacíe la lista para quitar los demás</translation>
    </message>
    <message id="ov_detail">
        <source>Detail</source>
        <translation>Detalle</translation>
    </message>
    <message id="ov_device_conn_net">
        <source>Connect the device to the network</source>
        <translation>Conectar el dispositivo a la red</translation>
    </message>
    <message id="ov_device_hot_spot">
        <source>Device hotspot</source>
        <translation>Punto de acceso del dispositivo</translation>
    </message>
    <message id="ov_device_is_ap">
        <source>Direct connection</source>
        <translation>Conexión directa</translation>
    </message>
    <message id="ov_device_is_ap_tip">
        <source>This computer joins the device's own Wi-Fi hotspot</source>
        <translation>Este ordenador se une al punto de acceso Wi-Fi propio del dispositivo</translation>
    </message>
    <message id="ov_device_is_sta">
        <source>Network connection</source>
        <translation>Conexión por red</translation>
    </message>
    <message id="ov_device_is_sta_des">
        <source>The device and this computer are on the same router network</source>
        <translation>El dispositivo y este ordenador están en la misma red del router</translation>
    </message>
    <message id="ov_disconn_wifi">
        <source>Disconnect Wi-Fi</source>
        <translation>Desconectar Wi-Fi</translation>
    </message>
    <message id="ov_edit_list">
        <source>Edit play list</source>
        <translation>Editar lista de reproducción</translation>
    </message>
    <message id="ov_enter_8_pure_int_password">
        <source>Enter a password of exactly 8 digits</source>
        <translation>Introduzca una contraseña de exactamente 8 dígitos</translation>
    </message>
    <message id="ov_err_check">
        <source>Troubleshooting</source>
        <translation>Solución de problemas</translation>
    </message>
    <message id="ov_fail">
        <source>Failed</source>
        <translation>Error</translation>
    </message>
    <message id="ov_file_name">
        <source>File name</source>
        <translation>Nombre de archivo</translation>
    </message>
    <message id="ov_file_name_duplicate">
        <source>A file with this name already exists</source>
        <translation>Ya existe un archivo con este nombre</translation>
    </message>
    <message id="ov_file_size">
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message id="ov_forbidden_close_4g">
        <source>4G cannot be turned off in the device's current hotspot state</source>
        <translation>No se puede desactivar 4G con el estado actual del punto de acceso</translation>
    </message>
    <message id="ov_forget_password_hint">
        <source>The saved password was refused. Enter the device password again.</source>
        <translation>La contraseña guardada fue rechazada. Vuelva a introducir la contraseña del dispositivo.</translation>
    </message>
    <message id="ov_forget_wifi">
        <source>Forgot the Wi-Fi password?</source>
        <translation>¿Ha olvidado la contraseña Wi-Fi?</translation>
    </message>
    <message id="ov_help">
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message id="ov_help_ap_btn">
        <source>Hotspot mode: press the mode button on the device once.</source>
        <translation>Modo punto de acceso: pulse una vez el botón de modo del dispositivo.</translation>
    </message>
    <message id="ov_help_ap_light">
        <source>The indicator light stays on while the device's hotspot is active.</source>
        <translation>El indicador permanece encendido mientras el punto de acceso del dispositivo está activo.</translation>
    </message>
    <message id="ov_help_pair_btn">
        <source>Network mode: hold the mode button until the indicator light flashes.</source>
        <translation>Modo red: mantenga pulsado el botón de modo hasta que el indicador parpadee.</translation>
    </message>
    <message id="ov_help_pair_light">
        <source>The indicator light flashes while the device joins a network.</source>
        <translation>El indicador parpadea mientras el dispositivo se une a una red.</translation>
    </message>
    <message id="ov_help_title">
        <source>Connection help</source>
        <translation>Ayuda de conexión</translation>
    </message>
    <message id="ov_hot_spot_name">
        <source>Hotspot name</source>
        <translation>Nombre del punto de acceso</translation>
    </message>
    <message id="ov_hot_spot_password">
        <source>Hotspot password</source>
        <translation>Contraseña del punto de acceso</translation>
    </message>
    <message id="ov_input_list_name">
        <source>Enter a name for the play list</source>
        <translation>Introduzca un nombre para la lista de reproducción</translation>
    </message>
    <message id="ov_invalid_file">
        <source>Unsupported file</source>
        <translation>Archivo no compatible</translation>
    </message>
    <message id="ov_left_mask_angle">
        <source>Left mask angle</source>
        <translation>Ángulo de la máscara izquierda</translation>
    </message>
    <message id="ov_left_mask_long">
        <source>Left mask length</source>
        <translation>Longitud de la máscara izquierda</translation>
    </message>
    <message id="ov_light_adj">
        <source>Brightness</source>
        <translation>Brillo</translation>
    </message>
    <message id="ov_login_failed">
        <source>Sign-in failed</source>
        <translation>Error al iniciar sesión</translation>
    </message>
    <message id="ov_login_tip">
        <source>Sign in to your cloud account</source>
        <translation>Inicie sesión en su cuenta en la nube</translation>
    </message>
    <message id="ov_logout">
        <source>Sign out</source>
        <translation>Cerrar sesión</translation>
    </message>
    <message id="ov_mask_mode">
        <source>Mask mode</source>
        <translation>Modo de máscara</translation>
    </message>
    <message id="ov_master">
        <source>Master</source>
        <translation>Maestro</translation>
    </message>
    <message id="ov_move_down">
        <source>Move down</source>
        <translation>Bajar</translation>
    </message>
    <message id="ov_move_up">
        <source>Move up</source>
        <translation>Subir</translation>
    </message>
    <message id="ov_multi_list">
        <source>Play lists</source>
        <translation>Listas de reproducción</translation>
    </message>
    <message id="ov_next">
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message id="ov_no_mask">
        <source>No mask</source>
        <translation>Sin máscara</translation>
    </message>
    <message id="ov_normal">
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message id="ov_no_device_found">
        <source>No device found</source>
        <translation>No se ha encontrado ningún dispositivo</translation>
    </message>
    <message id="ov_not_selected_device">
        <source>Select a device first</source>
        <translation>Seleccione primero un dispositivo</translation>
    </message>
    <message id="ov_now_status">
        <source>Union role</source>
        <translation>Función en la unión</translation>
    </message>
    <message id="ov_open_hot_spot_confirm_client">
        <source>Turn on the hotspot?</source>
        <translation>¿Activar el punto de acceso?</translation>
    </message>
    <message id="ov_operation">
        <source>Actions</source>
        <translation>Acciones</translation>
    </message>
    <message id="ov_param_conf">
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message id="ov_password">
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message id="ov_path_nospace_tip">
        <source>The name must not contain spaces</source>
        <translation>El nombre no puede contener espacios</translation>
    </message>
    <message id="ov_pause">
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message id="ov_play">
        <source>Play</source>
        <translation>Reproducir</translation>
    </message>
    <message id="ov_playing">
        <source>Playing</source>
        <translation>Reproduciendo</translation>
    </message>
    <message id="ov_playlist">
        <source>Play list</source>
        <translation>Lista de reproducción</translation>
    </message>
    <message id="ov_power">
        <source>Power</source>
        <translation>Encendido</translation>
    </message>
    <message id="ov_previous">
        <source>Previous</source>
        <translation>Anterior</translation>
    </message>
    <message id="ov_progress_failed">
        <source>Failed</source>
        <translation>Error</translation>
    </message>
    <message id="ov_progress_failed_at">
        <source>Failed at %1</source>
        <translation>Error al %1</translation>
    </message>
    <message id="ov_progress_failed_at_reason">
        <source>Failed at %1: %2</source>
        <translation>Error al %1: %2</translation>
    </message>
    <message id="ov_progress_finished">
        <source>Complete</source>
        <translation>Completado</translation>
    </message>
    <message id="ov_progress_running">
        <source>In progress: %1</source>
        <translation>En curso: %1</translation>
    </message>
    <message id="ov_psd">
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message id="ov_psd_wrong">
        <source>Wrong password: it must have at least 8 characters</source>
        <translation>Contraseña incorrecta: debe tener al menos 8 caracteres</translation>
    </message>
    <message id="ov_radius_length">
        <source>Radius length</source>
        <translation>Longitud del radio</translation>
    </message>
    <message id="ov_refresh">
        <source>Refresh</source>
        <translation>Actualizar</translation>
    </message>
    <message id="ov_refresh_current_list">
        <source>Reload the play list from the device</source>
        <translation>Volver a cargar la lista de reproducción desde el dispositivo</translation>
    </message>
    <message id="ov_refresh_wifi_sync">
        <source>Refresh Wi-Fi sync</source>
        <translation>Actualizar la sincronización Wi-Fi</translation>
    </message>
    <message id="ov_remote">
        <source>Remote control</source>
        <translation>Mando a distancia</translation>
    </message>
    <message id="ov_restart_device">
        <source>Restart device</source>
        <translation>Reiniciar dispositivo</translation>
    </message>
    <message id="ov_right_mask_angle">
        <source>Right mask angle</source>
        <translation>Ángulo de la máscara derecha</translation>
    </message>
    <message id="ov_right_mask_long">
        <source>Right mask length</source>
        <translation>Longitud de la máscara derecha</translation>
    </message>
    <message id="ov_safe_stop">
        <source>Emergency stop</source>
        <translation>Parada de emergencia</translation>
    </message>
    <message id="ov_sample_diamond">
        <source>Diamond</source>
        <translation>Rombo</translation>
    </message>
    <message id="ov_sample_figure">
        <source>Figure</source>
        <translation>Figura</translation>
    </message>
    <message id="ov_sample_fish">
        <source>Fish</source>
        <translation>Pez</translation>
    </message>
    <message id="ov_sample_loop">
        <source>Loop</source>
        <translation>Bucle</translation>
    </message>
    <message id="ov_sample_ring">
        <source>Ring</source>
        <translation>Anillo</translation>
    </message>
    <message id="ov_save">
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message id="ov_save_changed_content">
        <source>Save the changes to the device</source>
        <translation>Guardar los cambios en el dispositivo</translation>
    </message>
    <message id="ov_screen_movex">
        <source>Horizontal offset</source>
        <translation>Desplazamiento horizontal</translation>
    </message>
    <message id="ov_screen_movey">
        <source>Vertical offset</source>
        <translation>Desplazamiento vertical</translation>
    </message>
    <message id="ov_sd_remain">
        <source>Free storage</source>
        <translation>Almacenamiento libre</translation>
    </message>
    <message id="ov_search">
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message id="ov_search_failed">
        <source>The device search could not run. Check the network connection and that no other program is searching for devices, then try again.</source>
        <translation>No se pudo realizar la búsqueda de dispositivos. Compruebe la conexión de red y que ningún otro programa esté buscando dispositivos, e inténtelo de nuevo.</translation>
    </message>
    <message id="ov_select_all">
        <source>Select all</source>
        <translation>Seleccionar todo</translation>
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
        <translation>No se pudo ajustar el ángulo</translation>
    </message>
    <message id="ov_set_fail">
        <source>Setting failed</source>
        <translation>Error al aplicar el ajuste</translation>
    </message>
    <message id="ov_set_light_error">
        <source>Could not set the brightness</source>
        <translation>No se pudo ajustar el brillo</translation>
    </message>
    <message id="ov_set_light_success">
        <source>Brightness set</source>
        <translation>Brillo ajustado</translation>
    </message>
    <message id="ov_set_speed">
        <source>Rotation speed</source>
        <translation>Velocidad de rotación</translation>
    </message>
    <message id="ov_set_success">
        <source>Setting applied</source>
        <translation>Ajuste aplicado</translation>
    </message>
    <message id="ov_set_timer">
        <source>Timer</source>
        <translation>Temporizador</translation>
    </message>
    <message id="ov_slave">
        <source>Slave</source>
        <translation>Esclavo</translation>
    </message>
    <message id="ov_spec_chars_tip">
        <source>The name must not contain ( ) &amp; ' ` ; # commas or line breaks</source>
        <translation>El nombre no puede contener ( ) &amp; ' ` ; # comas ni saltos de línea</translation>
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
        <translation>Volver al modo punto de acceso</translation>
    </message>
    <message id="ov_sta2ap_success">
        <source>The device has left the Wi-Fi network and is back in hotspot mode.</source>
        <translation>El dispositivo ha salido de la red Wi-Fi y ha vuelto al modo punto de acceso.</translation>
    </message>
    <message id="ov_sta_device_list">
        <source>Devices on the network</source>
        <translation>Dispositivos en la red</translation>
    </message>
    <message id="ov_success">
        <source>Success</source>
        <translation>Correcto</translation>
    </message>
    <message id="ov_switch_gap">
        <source>Interval between videos</source>
        <translation>Intervalo entre vídeos</translation>
    </message>
    <message id="ov_time_start">
        <source>Switch on at</source>
        <translation>Hora de encendido</translation>
    </message>
    <message id="ov_time_stop">
        <source>Switch off at</source>
        <translation>Hora de apagado</translation>
    </message>
    <message id="ov_times">
        <source>Play count</source>
        <translation>Reproducciones</translation>
    </message>
    <message id="ov_top_mask">
        <source>Top mask</source>
        <translation>Máscara superior</translation>
    </message>
    <message id="ov_top_mask_angle">
        <source>Top mask angle</source>
        <translation>Ángulo de la máscara superior</translation>
    </message>
    <message id="ov_top_mask_long">
        <source>Top mask length</source>
        <translation>Longitud de la máscara superior</translation>
    </message>
    <message id="ov_union">
        <source>Unions</source>
        <translation>Uniones</translation>
    </message>
    <message id="ov_union_clear_video">
        <source>Clear play lists</source>
        <translation>Vaciar listas de reproducción</translation>
    </message>
    <message id="ov_union_close_mask">
        <source>Masks off</source>
        <translation>Desactivar máscaras</translation>
    </message>
    <message id="ov_union_columns">
        <source>Columns</source>
        <translation>Columnas</translation>
    </message>
    <message id="ov_union_cut_upload">
        <source>Cut and upload video</source>
        <translation>Cortar y subir vídeo</translation>
    </message>
    <message id="ov_union_default_mask">
        <source>Default masks</source>
        <translation>Máscaras predeterminadas</translation>
    </message>
    <message id="ov_union_delete_video">
        <source>Delete a video</source>
        <translation>Eliminar un vídeo</translation>
    </message>
    <message id="ov_union_edit">
        <source>Edit union</source>
        <translation>Editar unión</translation>
    </message>
    <message id="ov_union_list_changed">
        <source>The union list was changed elsewhere. Open the list again and repeat your change.</source>
        <translation>La lista de uniones se ha modificado en otro lugar. Abra la lista de nuevo y repita el cambio.</translation>
    </message>
    <message id="ov_union_name">
        <source>Union name</source>
        <translation>Nombre de la unión</translation>
    </message>
    <message id="ov_union_open_mask">
        <source>Masks only</source>
        <translation>Solo máscaras</translation>
    </message>
    <message id="ov_union_refresh_ip">
        <source>Refresh addresses</source>
        <translation>Actualizar direcciones</translation>
    </message>
    <message id="ov_union_reverse">
        <source>Top-left fan in front</source>
        <translation>Ventilador superior izquierdo delante</translation>
    </message>
    <message id="ov_union_rows">
        <source>Rows</source>
        <translation>Filas</translation>
    </message>
    <message id="ov_union_size_tip">
        <source>Rows and columns must be whole numbers</source>
        <translation>Las filas y columnas deben ser números enteros</translation>
    </message>
    <message id="ov_union_sync_off">
        <source>Stop Wi-Fi sync</source>
        <translation>Detener sincronización Wi-Fi</translation>
    </message>
    <message id="ov_union_sync_on">
        <source>Start Wi-Fi sync</source>
        <translation>Iniciar sincronización Wi-Fi</translation>
    </message>
    <message id="ov_union_upload_cut">
        <source>Upload cut tiles</source>
        <translation>Subir fragmentos cortados</translation>
    </message>
    <message id="ov_union_upload_same">
        <source>Upload one video to all</source>
        <translation>Subir un vídeo a todos</translation>
    </message>
    <message id="ov_union_white_off">
        <source>White background off</source>
        <translation>Desactivar fondo blanco</translation>
    </message>
    <message id="ov_union_white_on">
        <source>White background on</source>
        <translation>Activar fondo blanco</translation>
    </message>
    <message id="ov_unsupport_tip">
        <source>not supported by the device</source>
        <translation>no admitido por el dispositivo</translation>
    </message>
    <message id="ov_restarting">
        <source>The device is restarting</source>
        <translation>El dispositivo se está reiniciando</translation>
    </message>
    <message id="ov_update_success">
        <source>Update uploaded. Reconnect once the device has restarted.</source>
        <translation>Actualización subida. Vuelva a conectarse cuando el dispositivo se haya reiniciado.</translation>
    </message>
    <message id="ov_use">
        <source>Use</source>
        <translation>Usar</translation>
    </message>
    <message id="ov_username">
        <source>Account</source>
        <translation>Cuenta</translation>
    </message>
    <message id="ov_using">
        <source>In use</source>
        <translation>En uso</translation>
    </message>
    <message id="ov_version_b">
        <source>Base version</source>
        <translation>Versión base</translation>
    </message>
    <message id="ov_version_c">
        <source>Core version</source>
        <translation>Versión del núcleo</translation>
    </message>
    <message id="ov_version_f">
        <source>FPGA version</source>
        <translation>Versión FPGA</translation>
    </message>
    <message id="ov_video_list">
        <source>Video list</source>
        <translation>Lista de vídeos</translation>
    </message>
    <message id="ov_video_store">
        <source>Sample videos</source>
        <translation>Vídeos de muestra</translation>
    </message>
    <message id="ov_volume_adj">
        <source>Volume</source>
        <translation>Volumen</translation>
    </message>
    <message id="ov_wait_for_search">
        <source>A device search is in progress. Please wait until it has finished, then try again.</source>
        <translation>Hay una búsqueda de dispositivos en curso. Espere a que termine y vuelva a intentarlo.</translation>
    </message>
    <message id="ov_wait_for_upload">
        <source>An upload is in progress. Please wait until it has finished.</source>
        <translation>Hay una subida en curso. Espere a que termine.</translation>
    </message>
    <message id="ov_white_bg">
        <source>White background</source>
        <translation>Fondo blanco</translation>
    </message>
    <message id="ov_wifi_name">
        <source>Wi-Fi network</source>
        <translation>Red Wi-Fi</translation>
    </message>
    <message id="ov_wifi_psd">
        <source>Wi-Fi password</source>
        <translation>Contraseña Wi-Fi</translation>
    </message>
</context>
</TS>
