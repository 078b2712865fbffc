<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name></name>
    <message id="cloud_server_error">
        <source>Server error, please try again later</source>
        <translation>Ошибка сервера, повторите попытку позже</translation>
    </message>
    <message id="ov_4g_network">
        <source>4G network</source>
        <translation>Сеть 4G</translation>
    </message>
    <message id="ov_a11y_choices">
        <source>Choices</source>
        <translation>Варианты</translation>
    </message>
    <message id="ov_a11y_grid_empty">
        <source>Empty slot, row %1, column %2</source>
        <translation>Пустое место, строка %1, столбец %2</translation>
    </message>
    <message id="ov_a11y_grid_fan">
        <source>%1, row %2, column %3</source>
        <translation>%1, строка %2, столбец %3</translation>
    </message>
    <message id="ov_a11y_hours_tens">
        <source>Hours, tens digit</source>
        <translation>Часы, десятки</translation>
    </message>
    <message id="ov_a11y_hours_units">
        <source>Hours, units digit</source>
        <translation>Часы, единицы</translation>
    </message>
    <message id="ov_a11y_language">
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message id="ov_a11y_menu">
        <source>Menu</source>
        <translation>Меню</translation>
    </message>
    <message id="ov_a11y_minutes_tens">
        <source>Minutes, tens digit</source>
        <translation>Минуты, десятки</translation>
    </message>
    <message id="ov_a11y_minutes_units">
        <source>Minutes, units digit</source>
        <translation>Минуты, единицы</translation>
    </message>
    <message id="ov_a11y_next">
        <source>Next</source>
        <translation>Следующий</translation>
    </message>
    <message id="ov_a11y_play">
        <source>Play</source>
        <translation>Воспроизвести</translation>
    </message>
    <message id="ov_a11y_previous">
        <source>Previous</source>
        <translation>Предыдущий</translation>
    </message>
    <message id="ov_a11y_progress">
        <source>Progress</source>
        <translation>Ход выполнения</translation>
    </message>
    <message id="ov_a11y_seconds_tens">
        <source>Seconds, tens digit</source>
        <translation>Секунды, десятки</translation>
    </message>
    <message id="ov_a11y_seconds_units">
        <source>Seconds, units digit</source>
        <translation>Секунды, единицы</translation>
    </message>
    <message id="ov_a11y_status">
        <source>Status</source>
        <translation>Состояние</translation>
    </message>
    <message id="ov_add">
        <source>Add</source>
        <translation>Добавить</translation>
    </message>
    <message id="ov_add_file_fail">
        <source>Upload failed</source>
        <translation>Ошибка загрузки</translation>
    </message>
    <message id="ov_add_file_success">
        <source>Upload complete</source>
        <translation>Загрузка завершена</translation>
    </message>
    <message id="ov_add_file_to_list">
        <source>Add files to the play list</source>
        <translation>Добавить файлы в список воспроизведения</translation>
    </message>
    <message id="ov_advanced">
        <source>Advanced settings</source>
        <translation>Дополнительные настройки</translation>
    </message>
    <message id="ov_already_normal_mode">
        <source>The device is already in hotspot mode</source>
        <translation>Устройство уже в режиме точки доступа</translation>
    </message>
    <message id="ov_angle_adj">
        <source>Angle adjustment</source>
        <translation>Регулировка угла</translation>
    </message>
    <message id="ov_angle_decrease">
        <source>One degree less</source>
        <translation>На один градус меньше</translation>
    </message>
    <message id="ov_angle_increase">
        <source>One degree more</source>
        <translation>На один градус больше</translation>
    </message>
    <message id="ov_ap2sta_tip">
        <source>The device will join the selected Wi-Fi network and the current connection will close. Continue?</source>
        <translation>Устройство подключится к выбранной сети Wi-Fi, текущее соединение будет разорвано. Продолжить?</translation>
    </message>
    <message id="ov_ap2stp_success">
        <source>The device is joining the Wi-Fi network. Connect this computer to the same network, then search for the device.</source>
        <translation>Устройство подключается к сети Wi-Fi. Подключите этот компьютер к той же сети и выполните поиск устройства.</translation>
    </message>
    <message id="ov_ask_delete_index">
        <source>Enter the number of the video to delete</source>
        <translation>Введите номер видео для удаления</translation>
    </message>
    <message id="ov_auto_start">
        <source>Auto start</source>
        <translation>Автозапуск</translation>
    </message>
    <message id="ov_back">
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message id="ov_bottom_mask">
        <source>Bottom mask</source>
        <translation>Нижняя маска</translation>
    </message>
    <message id="ov_bottom_mask_angle">
        <source>Bottom mask angle</source>
        <translation>Угол нижней маски</translation>
    </message>
    <message id="ov_bottom_mask_long">
        <source>Bottom mask length</source>
        <translation>Длина нижней маски</translation>
    </message>
    <message id="ov_bottom_mix">
        <source>Bottom mixed mask</source>
        <translation>Нижняя смешанная маска</translation>
    </message>
    <message id="ov_breath">
        <source>Breathing light</source>
        <translation>Дыхательный индикатор</translation>
    </message>
    <message id="ov_cancel">
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message id="ov_change_password_confirm">
        <source>Change the hotspot password? You will need the new password to connect again.</source>
        <translation>Изменить пароль точки доступа? Для повторного подключения потребуется новый пароль.</translation>
    </message>
    <message id="ov_clear">
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
    <message id="ov_clear_list_tip">
        <source>Clear the play list? Every video on it will be removed.</source>
        <translation>Очистить список воспроизведения? Все видео будут удалены из него.</translation>
    </message>
    <message id="ov_clear_playlist">
        <source>Clear the play list</source>
        <translation>Очистить список воспроизведения</translation>
    </message>
    <message id="ov_close_4g_confirm">
        <source>Turn off 4G?</source>
        <translation>Выключить 4G?</translation>
    </message>
    <message id="ov_close_hot_spot_confirm">
        <source>Turn off the hotspot?</source>
        <translation>Выключить точку доступа?</translation>
    </message>
    <message id="ov_collapse">
        <source>Collapse</source>
        <translation>Свернуть</translation>
    </message>
    <message id="ov_confirm">
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message id="ov_confirm_delete">
        <source>Delete this item</source>
        <translation>Удалить этот элемент</translation>
    </message>
    <message id="ov_confirm_gap">
        <source>Change the interval between videos?</source>
        <translation>Изменить интервал между видео?</translation>
    </message>
    <message id="ov_confirm_operate">
        <source>Carry out this operation?</source>
        <translation>Выполнить эту операцию?</translation>
    </message>
    <message id="ov_confirm_restart">
        <source>Restart the device?</source>
        <translation>Перезапустить устройство?</translation>
    </message>
    <message id="ov_confirm_set_speed">
        <source>Change the rotation speed?</source>
        <translation>Изменить скорость вращения?</translation>
    </message>
    <message id="ov_conn_bluetooth">
        <source>Bluetooth connection</source>
        <translation>Подключение Bluetooth</translation>
    </message>
    <message id="ov_conn_fail_tip">
        <source>Could not connect to the device. Check that it is switched on and in range, then try again.</source>
        <translation>Не удалось подключиться к устройству. Убедитесь, что оно включено и находится в зоне действия, и повторите попытку.</translation>
    </message>
    <message id="ov_conn_tip">
        <source>Choose how to connect to the device</source>
        <translation>Выберите способ подключения к устройству</translation>
    </message>
    <message id="ov_connect_device">
        <source>Connect device</source>
        <translation>Подключить устройство</translation>
    </message>
    <message id="ov_connect_failed">
        <source>Connection failed</source>
        <translation>Ошибка подключения</translation>
    </message>
    <message id="ov_connecting">
        <source>Connecting</source>
        <translation>Подключение</translation>
    </message>
    <message id="ov_copy">
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
    <message id="ov_cover_length">
        <source>Cover length</source>
        <translation>Длина перекрытия</translation>
    </message>
    <message id="ov_credit_line">
        <source>Orvane, the controller for holographic fan displays</source>
        <translation>Orvane — управление голографическими вентиляторными дисплеями</translation>
    </message>
    <message id="ov_cut_transcode">
        <source>Cutting and converting the video</source>
        <translation>Нарезка и преобразование видео</translation>
    </message>
    <message id="ov_default_device_type">
        <source>Holographic fan</source>
        <translation>Голографический вентилятор</translation>
    </message>
    <message id="ov_delete_file_ensure">
        <source>Delete this file?</source>
        <translation>Удалить этот файл?</translation>
    </message>
    <message id="ov_delete_list_ensure">
        <source>Delete this play list?</source>
        <translation>Удалить этот список воспроизведения?</translation>
    </message>
    <message id="ov_delete_row_out_of_range">
        <source>Only the first 256 stored files can be deleted one by one; clear the list to remove the others</source>
        <translation>По одному можно удалить только первые 256 сохранённых файлов; очистите список, чтобы удалить остальные</translation>
    </message>
    <message id="ov_detail">
        <source>Detail</source>
        <translation>Подробно</translation>
    </message>
    <message id="ov_device_conn_net">
        <source>Connect the device to the network</source>
        <translation>Подключить устройство к сети</translation>
    </message>
    <message id="ov_device_hot_spot">
        <source>Device hotspot</source>
        <translation>Точка доступа устройства</translation>
    </message>
    <message id="ov_device_is_ap">
        <source>Direct connection</source>
        <translation>Прямое подключение</translation>
    </message>
    <message id="ov_device_is_ap_tip">
        <source>This computer joins the device's own Wi-Fi hotspot</source>
        <translation>Компьютер подключается к собственной точке доступа Wi-Fi устройства</translation>
    </message>
    <message id="ov_device_is_sta">
        <source>Network connection</source>
        <translation>Подключение через сеть</translation>
    </message>
    <message id="ov_device_is_sta_des">
        <source>The device and this computer are on the same router network</source>
        <translation>Устройство и компьютер находятся в одной сети маршрутизатора</translation>
    </message>
    <message id="ov_disconn_wifi">
        <source>Disconnect Wi-Fi</source>
        <translation>Отключить Wi-Fi</translation>
    </message>
    <message id="ov_edit_list">
        <source>Edit play list</source>
        <translation>Редактировать список воспроизведения</translation>
    </message>
    <message id="ov_enter_8_pure_int_password">
        <source>Enter a password of exactly 8 digits</source>
        <translation>Введите пароль ровно из 8 цифр</translation>
    </message>
    <message id="ov_err_check">
        <source>Troubleshooting</source>
        <translation>Устранение неполадок</translation>
    </message>
    <message id="ov_fail">
        <source>Failed</source>
        <translation>Ошибка</translation>
    </message>
    <message id="ov_file_name">
        <source>File name</source>
        <translation>Имя файла</translation>
    </message>
    <message id="ov_file_name_duplicate">
        <source>A file with this name already exists</source>
        <translation>Файл с таким именем уже существует</translation>
    </message>
    <message id="ov_file_size">
        <source>Size</source>
        <translation>Размер</translation>
    </message>
    <message id="ov_forbidden_close_4g">
        <source>4G cannot be turned off in the device's current hotspot state</source>
        <translation>В текущем состоянии точки доступа отключить 4G нельзя</translation>
    </message>
    <message id="ov_forget_password_hint">
        <source>The saved password was refused. Enter the device password again.</source>
        <translation>Сохранённый пароль отклонён. Введите пароль устройства ещё раз.</translation>
    </message>
    <message id="ov_forget_wifi">
        <source>Forgot the Wi-Fi password?</source>
        <translation>Забыли пароль Wi-Fi?</translation>
    </message>
    <message id="ov_help">
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message id="ov_help_ap_btn">
        <source>Hotspot mode: press the mode button on the device once.</source>
        <translation>Режим точки доступа: один раз нажмите кнопку режима на устройстве.</translation>
    </message>
    <message id="ov_help_ap_light">
        <source>The indicator light stays on while the device's hotspot is active.</source>
        <translation>Индикатор горит, пока точка доступа устройства включена.</translation>
    </message>
    <message id="ov_help_pair_btn">
        <source>Network mode: hold the mode button until the indicator light flashes.</source>
        <translation>Сетевой режим: удерживайте кнопку режима, пока индикатор не начнёт мигать.</translation>
    </message>
    <message id="ov_help_pair_light">
        <source>The indicator light flashes while the device joins a network.</source>
        <translation>Индикатор мигает, пока устройство подключается к сети.</translation>
    </message>
    <message id="ov_help_title">
        <source>Connection help</source>
        <translation>Помощь по подключению</translation>
    </message>
    <message id="ov_hot_spot_name">
        <source>Hotspot name</source>
        <translation>Имя точки доступа</translation>
    </message>
    <message id="ov_hot_spot_password">
        <source>Hotspot password</source>
        <translation>Пароль точки доступа</translation>
    </message>
    <message id="ov_input_list_name">
        <source>Enter a name for the play list</source>
        <translation>Введите имя списка воспроизведения</translation>
    </message>
    <message id="ov_invalid_file">
        <source>Unsupported file</source>
        <translation>Неподдерживаемый файл</translation>
    </message>
    <message id="ov_left_mask_angle">
        <source>Left mask angle</source>
        <translation>Угол левой маски</translation>
    </message>
    <message id="ov_left_mask_long">
        <source>Left mask length</source>
        <translation>Длина левой маски</translation>
    </message>
    <message id="ov_light_adj">
        <source>Brightness</source>
        <translation>Яркость</translation>
    </message>
    <message id="ov_login_failed">
        <source>Sign-in failed</source>
        <translation>Не удалось войти</translation>
    </message>
    <message id="ov_login_tip">
        <source>Sign in to your cloud account</source>
        <translation>Войдите в облачную учётную запись</translation>
    </message>
    <message id="ov_logout">
        <source>Sign out</source>
        <translation>Выйти</translation>
    </message>
    <message id="ov_mask_mode">
        <source>Mask mode</source>
        <translation>Режим маски</translation>
    </message>
    <message id="ov_master">
        <source>Master</source>
        <translation>Ведущий</translation>
    </message>
    <message id="ov_move_down">
        <source>Move down</source>
        <translation>Переместить вниз</translation>
    </message>
    <message id="ov_move_up">
        <source>Move up</source>
        <translation>Переместить вверх</translation>
    </message>
    <message id="ov_multi_list">
        <source>Play lists</source>
        <translation>Списки воспроизведения</translation>
    </message>
    <message id="ov_next">
        <source>Next</source>
        <translation>Следующий</translation>
    </message>
    <message id="ov_no_mask">
        <source>No mask</source>
        <translation>Без маски</translation>
    </message>
    <message id="ov_normal">
        <source>Normal</source>
        <translation>Обычная</translation>
    </message>
    <message id="ov_no_device_found">
        <source>No device found</source>
        <translation>Устройства не найдены</translation>
    </message>
    <message id="ov_not_selected_device">
        <source>Select a device first</source>
        <translation>Сначала выберите устройство</translation>
    </message>
    <message id="ov_now_status">
        <source>Union role</source>
        <translation>Роль в объединении</translation>
    </message>
    <message id="ov_open_hot_spot_confirm_client">
        <source>Turn on the hotspot?</source>
        <translation>Включить точку доступа?</translation>
    </message>
    <message id="ov_operation">
        <source>Actions</source>
        <translation>Действия</translation>
    </message>
    <message id="ov_param_conf">
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message id="ov_password">
        <source>Password</source>
        <translation>Пароль</translation>
    </message>
    <message id="ov_path_nospace_tip">
        <source>The name must not contain spaces</source>
        <translation>Имя не должно содержать пробелов</translation>
    </message>
    <message id="ov_pause">
        <source>Pause</source>
        <translation>Пауза</translation>
    </message>
    <message id="ov_play">
        <source>Play</source>
        <translation>Воспроизвести</translation>
    </message>
    <message id="ov_playing">
        <source>Playing</source>
        <translation>Воспроизводится</translation>
    </message>
    <message id="ov_playlist">
        <source>Play list</source>
        <translation>Список воспроизведения</translation>
    </message>
    <message id="ov_power">
        <source>Power</source>
        <translation>Питание</translation>
    </message>
    <message id="ov_previous">
        <source>Previous</source>
        <translation>Предыдущий</translation>
    </message>
    <message id="ov_progress_failed">
        <source>Failed</source>
        <translation>Ошибка</translation>
    </message>
    <message id="ov_progress_failed_at">
        <source>Failed at %1</source>
        <translation>Ошибка на %1</translation>
    </message>
    <message id="ov_progress_failed_at_reason">
        <source>Failed at %1: %2</source>
        <translation>Ошибка на %1: %2</translation>
    </message>
    <message id="ov_progress_finished">
        <source>Complete</source>
        <translation>Завершено</translation>
    </message>
    <message id="ov_progress_running">
        <source>In progress: %1</source>
        <translation>Выполняется: %1</translation>
    </message>
    <message id="ov_psd">
        <source>Password</source>
        <translation>Пароль</translation>
    </message>
    <message id="ov_psd_wrong">
        <source>Wrong password: it must have at least 8 characters</source>
        <translation>Неверный пароль: он должен содержать не менее 8 символов</translation>
    </message>
    <message id="ov_radius_length">
        <source>Radius length</source>
        <translation>Длина радиуса</translation>
    </message>
    <message id="ov_refresh">
        <source>Refresh</source>
        <translation>Обновить</translation>
    </message>
    <message id="ov_refresh_current_list">
        <source>Reload the play list from the device</source>
        <translation>Перезагрузить список воспроизведения с устройства</translation>
    </message>
    <message id="ov_refresh_wifi_sync">
        <source>Refresh Wi-Fi sync</source>
        <translation>Обновить синхронизацию Wi-Fi</translation>
    </message>
    <message id="ov_remote">
        <source>Remote control</source>
        <translation>Пульт ДУ</translation>
    </message>
    <message id="ov_restart_device">
        <source>Restart device</source>
        <translation>Перезапустить устройство</translation>
    </message>
    <message id="ov_right_mask_angle">
        <source>Right mask angle</source>
        <translation>Угол правой маски</translation>
    </message>
    <message id="ov_right_mask_long">
        <source>Right mask length</source>
        <translation>Длина правой маски</translation>
    </message>
    <message id="ov_safe_stop">
        <source>Emergency stop</source>
        <translation>Аварийная остановка</translation>
    </message>
    <message id="ov_sample_diamond">
        <source>Diamond</source>
        <translation>Ромб</translation>
    </message>
    <message id="ov_sample_figure">
        <source>Figure</source>
        <translation>Фигура</translation>
    </message>
    <message id="ov_sample_fish">
        <source>Fish</source>
        <translation>Рыба</translation>
    </message>
    <message id="ov_sample_loop">
        <source>Loop</source>
        <translation>Петля</translation>
    </message>
    <message id="ov_sample_ring">
        <source>Ring</source>
        <translation>Кольцо</translation>
    </message>
    <message id="ov_save">
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message id="ov_save_changed_content">
        <source>Save the changes to the device</source>
        <translation>Сохранить изменения на устройстве</translation>
    </message>
    <message id="ov_screen_movex">
        <source>Horizontal offset</source>
        <translation>Горизонтальное смещение</translation>
    </message>
    <message id="ov_screen_movey">
        <source>Vertical offset</source>
        <translation>Вертикальное смещение</translation>
    </message>
    <message id="ov_sd_remain">
        <source>Free storage</source>
        <translation>Свободная память</translation>
    </message>
    <message id="ov_search">
        <source>Search</source>
        <translation>Поиск</translation>
    </message>
    <message id="ov_search_failed">
        <source>The device search could not run. Check the network connection and that no other program is searching for devices, then try again.</source>
        <translation>Не удалось выполнить поиск устройств. Проверьте сетевое подключение и убедитесь, что никакая другая программа не ищет устройства, затем повторите попытку.</translation>
    </message>
    <message id="ov_select_all">
        <source>Select all</source>
        <translation>Выбрать все</translation>
    </message>
    <message id="ov_server_conn">
        <source>Server</source>
        <translation>Сервер</translation>
    </message>
    <message id="ov_service_tip">
        <source>Server</source>
        <translation>Сервер</translation>
    </message>
    <message id="ov_set_angle_error">
        <source>Could not set the angle</source>
        <translation>Не удалось установить угол</translation>
    </message>
    <message id="ov_set_fail">
        <source>Setting failed</source>
        <translation>Не удалось применить настройку</translation>
    </message>
    <message id="ov_set_light_error">
        <source>Could not set the brightness</source>
        <translation>Не удалось установить яркость</translation>
    </message>
    <message id="ov_set_light_success">
        <source>Brightness set</source>
        <translation>Яркость установлена</translation>
    </message>
    <message id="ov_set_speed">
        <source>Rotation speed</source>
        <translation>Скорость вращения</translation>
    </message>
    <message id="ov_set_success">
        <source>Setting applied</source>
        <translation>Настройка применена</translation>
    </message>
    <message id="ov_set_timer">
        <source>Timer</source>
        <translation>Таймер</translation>
    </message>
    <message id="ov_slave">
        <source>Slave</source>
        <translation>Ведомый</translation>
    </message>
    <message id="ov_spec_chars_tip">
        <source>The name must not contain ( ) &amp; ' ` ; # commas or line breaks</source>
        <translation>Имя не должно содержать ( ) &amp; ' ` ; # запятые или переводы строк</translation>
    </message>
    <message id="ov_speed_fast">
        <source>Fast</source>
        <translation>Быстрая</translation>
    </message>
    <message id="ov_speed_slow">
        <source>Slow</source>
        <translation>Медленная</translation>
    </message>
    <message id="ov_sta2ap">
        <source>Back to hotspot mode</source>
        <translation>Вернуться в режим точки доступа</translation>
    </message>
    <message id="ov_sta2ap_success">
        <source>The device has left the Wi-Fi network and is back in hotspot mode.</source>
        <translation>Устройство отключилось от сети Wi-Fi и вернулось в режим точки доступа.</translation>
    </message>
    <message id="ov_sta_device_list">
        <source>Devices on the network</source>
        <translation>Устройства в сети</translation>
    </message>
    <message id="ov_success">
        <source>Success</source>
        <translation>Успешно</translation>
    </message>
    <message id="ov_switch_gap">
        <source>Interval between videos</source>
        <translation>Интервал между видео</translation>
    </message>
    <message id="ov_time_start">
        <source>Switch on at</source>
        <translation>Время включения</translation>
    </message>
    <message id="ov_time_stop">
        <source>Switch off at</source>
        <translation>Время выключения</translation>
    </message>
    <message id="ov_times">
        <source>Play count</source>
        <translation>Число повторов</translation>
    </message>
    <message id="ov_top_mask">
        <source>Top mask</source>
        <translation>Верхняя маска</translation>
    </message>
    <message id="ov_top_mask_angle">
        <source>Top mask angle</source>
        <translation>Угол верхней маски</translation>
    </message>
    <message id="ov_top_mask_long">
        <source>Top mask length</source>
        <translation>Длина верхней маски</translation>
    </message>
    <message id="ov_union">
        <source>Unions</source>
        <translation>Объединения</translation>
    </message>
    <message id="ov_union_clear_video">
        <source>Clear play lists</source>
        <translation>Очистить списки воспроизведения</translation>
    </message>
    <message id="ov_union_close_mask">
        <source>Masks off</source>
        <translation>Выключить маски</translation>
    </message>
    <message id="ov_union_columns">
        <source>Columns</source>
        <translation>Столбцы</translation>
    </message>
    <message id="ov_union_cut_upload">
        <source>Cut and upload video</source>
        <translation>Нарезать и загрузить видео</translation>
    </message>
    <message id="ov_union_default_mask">
        <source>Default masks</source>
        <translation>Маски по умолчанию</translation>
    </message>
    <message id="ov_union_delete_video">
        <source>Delete a video</source>
        <translation>Удалить видео</translation>
    </message>
    <message id="ov_union_edit">
        <source>Edit union</source>
        <translation>Изменить объединение</translation>
    </message>
    <message id="ov_union_list_changed">
        <source>The union list was changed elsewhere. Open the list again and repeat your change.</source>
        <translation>Список объединений был изменён в другом месте. Откройте список заново и повторите изменение.</translation>
    </message>
    <message id="ov_union_name">
        <source>Union name</source>
        <translation>Название объединения</translation>
    </message>
    <message id="ov_union_open_mask">
        <source>Masks only</source>
        <translation>Только маски</translation>
    </message>
    <message id="ov_union_refresh_ip">
        <source>Refresh addresses</source>
        <translation>Обновить адреса</translation>
    </message>
    <message id="ov_union_reverse">
        <source>Top-left fan in front</source>
        <translation>Левый верхний вентилятор спереди</translation>
    </message>
    <message id="ov_union_rows">
        <source>Rows</source>
        <translation>Строки</translation>
    </message>
    <message id="ov_union_size_tip">
        <source>Rows and columns must be whole numbers</source>
        <translation>Строки и столбцы должны быть целыми числами</translation>
    </message>
    <message id="ov_union_sync_off">
        <source>Stop Wi-Fi sync</source>
        <translation>Остановить синхронизацию Wi-Fi</translation>
    </message>
    <message id="ov_union_sync_on">
        <source>Start Wi-Fi sync</source>
        <translation>Запустить синхронизацию Wi-Fi</translation>
    </message>
    <message id="ov_union_upload_cut">
        <source>Upload cut tiles</source>
        <translation>Загрузить нарезанные части</translation>
    </message>
    <message id="ov_union_upload_same">
        <source>Upload one video to all</source>
        <translation>Загрузить одно видео на все</translation>
    </message>
    <message id="ov_union_white_off">
        <source>White background off</source>
        <translation>Выключить белый фон</translation>
    </message>
    <message id="ov_union_white_on">
        <source>White background on</source>
        <translation>Включить белый фон</translation>
    </message>
    <message id="ov_unsupport_tip">
        <source>not supported by the device</source>
        <translation>не поддерживается устройством</translation>
    </message>
    <message id="ov_restarting">
        <source>The device is restarting</source>
        <translation>Устройство перезапускается</translation>
    </message>
    <message id="ov_update_success">
        <source>Update uploaded. Reconnect once the device has restarted.</source>
        <translation>Обновление загружено. Подключитесь снова после перезапуска устройства.</translation>
    </message>
    <message id="ov_use">
        <source>Use</source>
        <translation>Использовать</translation>
    </message>
    <message id="ov_username">
        <source>Account</source>
        <translation>Учётная запись</translation>
    </message>
    <message id="ov_using">
        <source>In use</source>
        <translation>Используется</translation>
    </message>
    <message id="ov_version_b">
        <source>Base version</source>
        <translation>Базовая версия</translation>
    </message>
    <message id="ov_version_c">
        <source>Core version</source>
        <translation>Версия ядра</translation>
    </message>
    <message id="ov_version_f">
        <source>FPGA version</source>
        <translation>Версия FPGA</translation>
    </message>
    <message id="ov_video_list">
        <source>Video list</source>
        <translation>Список видео</translation>
    </message>
    <message id="ov_video_store">
        <source>Sample videos</source>
        <translation>Образцы видео</translation>
    </message>
    <message id="ov_volume_adj">
        <source>Volume</source>
        <translation>Громкость</translation>
    </message>
    <message id="ov_wait_for_search">
        <source>A device search is in progress. Please wait until it has finished, then try again.</source>
        <translation>Идёт поиск устройств. Дождитесь его завершения и повторите попытку.</translation>
    </message>
    <message id="ov_wait_for_upload">
        <source>An upload is in progress. Please wait until it has finished.</source>
        <translation>Идёт загрузка. Дождитесь её завершения.</translation>
    </message>
    <message id="ov_white_bg">
        <source>White background</source>
        <translation>Белый фон</translation>
    </message>
    <message id="ov_wifi_name">
        <source>Wi-Fi network</source>
        <translation>Сеть Wi-Fi</translation>
    </message>
    <message id="ov_wifi_psd">
        <source>Wi-Fi password</source>
        <translation>Пароль Wi-Fi</translation>
    </message>
</context>
</TS>
