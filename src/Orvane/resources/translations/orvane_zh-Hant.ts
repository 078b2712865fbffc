<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name></name>
    <message id="cloud_server_error">
        <source>Server error, please try again later</source>
        <translation>伺服器異常，請稍後重試</translation>
    </message>
    <message id="ov_4g_network">
        <source>4G network</source>
        <translation>4G 網路</translation>
    </message>
    <message id="ov_a11y_choices">
        <source>Choices</source>
        <translation>選項</translation>
    </message>
    <message id="ov_a11y_grid_empty">
        <source>Empty slot, row %1, column %2</source>
        <translation>空位，第 %1 列，第 %2 欄</translation>
    </message>
    <message id="ov_a11y_grid_fan">
        <source>%1, row %2, column %3</source>
        <translation>%1，第 %2 列，第 %3 欄</translation>
    </message>
    <message id="ov_a11y_hours_tens">
        <source>Hours, tens digit</source>
        <translation>小時十位</translation>
    </message>
    <message id="ov_a11y_hours_units">
        <source>Hours, units digit</source>
        <translation>小時個位</translation>
    </message>
    <message id="ov_a11y_language">
        <source>Language</source>
        <translation>語言</translation>
    </message>
    <message id="ov_a11y_menu">
        <source>Menu</source>
        <translation>選單</translation>
    </message>
    <message id="ov_a11y_minutes_tens">
        <source>Minutes, tens digit</source>
        <translation>分鐘十位</translation>
    </message>
    <message id="ov_a11y_minutes_units">
        <source>Minutes, units digit</source>
        <translation>分鐘個位</translation>
    </message>
    <message id="ov_a11y_next">
        <source>Next</source>
        <translation>下一個</translation>
    </message>
    <message id="ov_a11y_play">
        <source>Play</source>
        <translation>播放</translation>
    </message>
    <message id="ov_a11y_previous">
        <source>Previous</source>
        <translation>上一個</translation>
    </message>
    <message id="ov_a11y_progress">
        <source>Progress</source>
        <translation>進度</translation>
    </message>
    <message id="ov_a11y_seconds_tens">
        <source>Seconds, tens digit</source>
        <translation>秒十位</translation>
    </message>
    <message id="ov_a11y_seconds_units">
        <source>Seconds, units digit</source>
        <translation>秒個位</translation>
    </message>
    <message id="ov_a11y_status">
        <source>Status</source>
        <translation>狀態</translation>
    </message>
    <message id="ov_add">
        <source>Add</source>
        <translation>新增</translation>
    </message>
    <message id="ov_add_file_fail">
        <source>Upload failed</source>
        <translation>上傳失敗</translation>
    </message>
    <message id="ov_add_file_success">
        <source>Upload complete</source>
        <translation>上傳成功</translation>
    </message>
    <message id="ov_add_file_to_list">
        <source>Add files to the play list</source>
        <translation>新增檔案至播放清單</translation>
    </message>
    <message id="ov_advanced">
        <source>Advanced settings</source>
        <translation>進階設定</translation>
    </message>
    <message id="ov_already_normal_mode">
        <source>The device is already in hotspot mode</source>
        <translation>裝置已處於熱點模式</translation>
    </message>
    <message id="ov_angle_adj">
        <source>Angle adjustment</source>
        <translation>角度調節</translation>
    </message>
    <message id="ov_angle_decrease">
        <source>One degree less</source>
        <translation>減少 1 度</translation>
    </message>
    <message id="ov_angle_increase">
        <source>One degree more</source>
        <translation>增加 1 度</translation>
    </message>
    <message id="ov_ap2sta_tip">
        <source>The device will join the selected Wi-Fi network and the current connection will close. Continue?</source>
        <translation>裝置將加入所選的 Wi-Fi 網路，目前連線將中斷。是否繼續？</translation>
    </message>
    <message id="ov_ap2stp_success">
        <source>The device is joining the Wi-Fi network. Connect this computer to the same network, then search for the device.</source>
        <translation>裝置正在加入 Wi-Fi 網路。請將電腦連線至同一網路，然後搜尋裝置。</translation>
    </message>
    <message id="ov_ask_delete_index">
        <source>Enter the number of the video to delete</source>
        <translation>請輸入要刪除的影片序號</translation>
    </message>
    <message id="ov_auto_start">
        <source>Auto start</source>
        <translation>開機自動播放</translation>
    </message>
    <message id="ov_back">
        <source>Back</source>
        <translation>返回</translation>
    </message>
    <message id="ov_bottom_mask">
        <source>Bottom mask</source>
        <translation>下遮罩</translation>
    </message>
    <message id="ov_bottom_mask_angle">
        <source>Bottom mask angle</source>
        <translation>下遮罩角度</translation>
    </message>
    <message id="ov_bottom_mask_long">
        <source>Bottom mask length</source>
        <translation>下遮罩長度</translation>
    </message>
    <message id="ov_bottom_mix">
        <source>Bottom mixed mask</source>
        <translation>下混合遮罩</translation>
    </message>
    <message id="ov_breath">
        <source>Breathing light</source>
        <translation>呼吸燈</translation>
    </message>
    <message id="ov_cancel">
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message id="ov_change_password_confirm">
        <source>Change the hotspot password? You will need the new password to connect again.</source>
        <translation>確定修改熱點密碼嗎？再次連線時需要使用新密碼。</translation>
    </message>
    <message id="ov_clear">
        <source>Clear</source>
        <translation>清空</translation>
    </message>
    <message id="ov_clear_list_tip">
        <source>Clear the play list? Every video on it will be removed.</source>
        <translation>確定清空播放清單嗎？清單中的所有影片都將被移除。</translation>
    </message>
    <message id="ov_clear_playlist">
        <source>Clear the play list</source>
        <translation>清空播放清單</translation>
    </message>
    <message id="ov_close_4g_confirm">
        <source>Turn off 4G?</source>
        <translation>確定關閉 4G 嗎？</translation>
    </message>
    <message id="ov_close_hot_spot_confirm">
        <source>Turn off the hotspot?</source>
        <translation>確定關閉熱點嗎？</translation>
    </message>
    <message id="ov_collapse">
        <source>Collapse</source>
        <translation>收合</translation>
    </message>
    <message id="ov_confirm">
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message id="ov_confirm_delete">
        <source>Delete this item</source>
        <translation>確定刪除</translation>
    </message>
    <message id="ov_confirm_gap">
        <source>Change the interval between videos?</source>
        <translation>確定修改影片切換間隔嗎？</translation>
    </message>
    <message id="ov_confirm_operate">
        <source>Carry out this operation?</source>
        <translation>確定執行此操作嗎？</translation>
    </message>
    <message id="ov_confirm_restart">
        <source>Restart the device?</source>
        <translation>確定重新啟動裝置嗎？</translation>
    </message>
    <message id="ov_confirm_set_speed">
        <source>Change the rotation speed?</source>
        <translation>確定修改轉速嗎？</translation>
    </message>
    <message id="ov_conn_bluetooth">
        <source>Bluetooth connection</source>
        <translation>藍牙連線</translation>
    </message>
    <message id="ov_conn_fail_tip">
        <source>Could not connect to the device. Check that it is switched on and in range, then try again.</source>
        <translation>無法連線裝置。請確認裝置已開機並在範圍內，然後重試。</translation>
    </message>
    <message id="ov_conn_tip">
        <source>Choose how to connect to the device</source>
        <translation>請選擇裝置的連線方式</translation>
    </message>
    <message id="ov_connect_device">
        <source>Connect device</source>
        <translation>連線裝置</translation>
    </message>
    <message id="ov_connect_failed">
        <source>Connection failed</source>
        <translation>連線失敗</translation>
    </message>
    <message id="ov_connecting">
        <source>Connecting</source>
        <translation>正在連線</translation>
    </message>
    <message id="ov_copy">
        <source>Copy</source>
        <translation>複製</translation>
    </message>
    <message id="ov_cover_length">
        <source>Cover length</source>
        <translation>遮蓋長度</translation>
    </message>
    <message id="ov_credit_line">
        <source>Orvane, the controller for holographic fan displays</source>
        <translation>Orvane 全像風扇顯示器控制器</translation>
    </message>
    <message id="ov_cut_transcode">
        <source>Cutting and converting the video</source>
        <translation>正在裁切並轉碼影片</translation>
    </message>
    <message id="ov_default_device_type">
        <source>Holographic fan</source>
        <translation>全像風扇</translation>
    </message>
    <message id="ov_delete_file_ensure">
        <source>Delete this file?</source>
        <translation>確定刪除此檔案嗎？</translation>
    </message>
    <message id="ov_delete_list_ensure">
        <source>Delete this play list?</source>
        <translation>確定刪除此播放清單嗎？</translation>
    </message>
    <message id="ov_delete_row_out_of_range">
        <source>Only the first 256 stored files can be deleted one by one; clear the list to remove the others</source>
        <translation>只能逐一刪除前 256 個已儲存的檔案；要刪除其餘檔案，請清空清單</translation>
    </message>
    <message id="ov_detail">
        <source>Detail</source>
        <translation>詳情</translation>
    </message>
    <message id="ov_device_conn_net">
        <source>Connect the device to the network</source>
        <translation>裝置連網</translation>
    </message>
    <message id="ov_device_hot_spot">
        <source>Device hotspot</source>
        <translation>裝置熱點</translation>
    </message>
    <message id="ov_device_is_ap">
        <source>Direct connection</source>
        <translation>直連模式</translation>
    </message>
    <message id="ov_device_is_ap_tip">
        <source>This computer joins the device's own Wi-Fi hotspot</source>
        <translation>電腦連線裝置本身的 Wi-Fi 熱點</translation>
    </message>
    <message id="ov_device_is_sta">
        <source>Network connection</source>
        <translation>網路模式</translation>
    </message>
    <message id="ov_device_is_sta_des">
        <source>The device and this computer are on the same router network</source>
        <translation>裝置與電腦連線在同一路由器網路中</translation>
    </message>
    <message id="ov_disconn_wifi">
        <source>Disconnect Wi-Fi</source>
        <translation>中斷 Wi-Fi</translation>
    </message>
    <message id="ov_edit_list">
        <source>Edit play list</source>
        <translation>編輯播放清單</translation>
    </message>
    <message id="ov_enter_8_pure_int_password">
        <source>Enter a password of exactly 8 digits</source>
        <translation>請輸入 8 位純數字密碼</translation>
    </message>
    <message id="ov_err_check">
        <source>Troubleshooting</source>
        <translation>故障排除</translation>
    </message>
    <message id="ov_fail">
        <source>Failed</source>
        <translation>失敗</translation>
    </message>
    <message id="ov_file_name">
        <source>File name</source>
        <translation>檔案名稱</translation>
    </message>
    <message id="ov_file_name_duplicate">
        <source>A file with this name already exists</source>
        <translation>檔案名稱已存在</translation>
    </message>
    <message id="ov_file_size">
        <source>Size</source>
        <translation>大小</translation>
    </message>
    <message id="ov_forbidden_close_4g">
        <source>4G cannot be turned off in the device's current hotspot state</source>
        <translation>目前熱點狀態下無法關閉 4G</translation>
    </message>
    <message id="ov_forget_password_hint">
        <source>The saved password was refused. Enter the device password again.</source>
        <translation>已儲存的密碼被拒絕，請重新輸入裝置密碼。</translation>
    </message>
    <message id="ov_forget_wifi">
        <source>Forgot the Wi-Fi password?</source>
        <translation>忘記 Wi-Fi 密碼？</translation>
    </message>
    <message id="ov_help">
        <source>Help</source>
        <translation>說明</translation>
    </message>
    <message id="ov_help_ap_btn">
        <source>Hotspot mode: press the mode button on the device once.</source>
        <translation>熱點模式：按一下裝置上的模式鍵。</translation>
    </message>
    <message id="ov_help_ap_light">
        <source>The indicator light stays on while the device's hotspot is active.</source>
        <translation>裝置熱點開啟時，指示燈恆亮。</translation>
    </message>
    <message id="ov_help_pair_btn">
        <source>Network mode: hold the mode button until the indicator light flashes.</source>
        <translation>網路模式：長按模式鍵，直到指示燈閃爍。</translation>
    </message>
    <message id="ov_help_pair_light">
        <source>The indicator light flashes while the device joins a network.</source>
        <translation>裝置加入網路時，指示燈閃爍。</translation>
    </message>
    <message id="ov_help_title">
        <source>Connection help</source>
        <translation>連線說明</translation>
    </message>
    <message id="ov_hot_spot_name">
        <source>Hotspot name</source>
        <translation>熱點名稱</translation>
    </message>
    <message id="ov_hot_spot_password">
        <source>Hotspot password</source>
        <translation>熱點密碼</translation>
    </message>
    <message id="ov_input_list_name">
        <source>Enter a name for the play list</source>
        <translation>請輸入播放清單名稱</translation>
    </message>
    <message id="ov_invalid_file">
        <source>Unsupported file</source>
        <translation>不支援的檔案</translation>
    </message>
    <message id="ov_left_mask_angle">
        <source>Left mask angle</source>
        <translation>左遮罩角度</translation>
    </message>
    <message id="ov_left_mask_long">
        <source>Left mask length</source>
        <translation>左遮罩長度</translation>
    </message>
    <message id="ov_light_adj">
        <source>Brightness</source>
        <translation>亮度調節</translation>
    </message>
    <message id="ov_login_failed">
        <source>Sign-in failed</source>
        <translation>登入失敗</translation>
    </message>
    <message id="ov_login_tip">
        <source>Sign in to your cloud account</source>
        <translation>登入雲端帳號</translation>
    </message>
    <message id="ov_logout">
        <source>Sign out</source>
        <translation>登出</translation>
    </message>
    <message id="ov_mask_mode">
        <source>Mask mode</source>
        <translation>遮罩模式</translation>
    </message>
    <message id="ov_master">
        <source>Master</source>
        <translation>主機</translation>
    </message>
    <message id="ov_move_down">
        <source>Move down</source>
        <translation>下移</translation>
    </message>
    <message id="ov_move_up">
        <source>Move up</source>
        <translation>上移</translation>
    </message>
    <message id="ov_multi_list">
        <source>Play lists</source>
        <translation>多清單</translation>
    </message>
    <message id="ov_next">
        <source>Next</source>
        <translation>下一個</translation>
    </message>
    <message id="ov_no_mask">
        <source>No mask</source>
        <translation>無遮罩</translation>
    </message>
    <message id="ov_normal">
        <source>Normal</source>
        <translation>正常</translation>
    </message>
    <message id="ov_no_device_found">
        <source>No device found</source>
        <translation>未找到裝置</translation>
    </message>
    <message id="ov_not_selected_device">
        <source>Select a device first</source>
        <translation>請先選擇裝置</translation>
    </message>
    <message id="ov_now_status">
        <source>Union role</source>
        <translation>目前狀態</translation>
    </message>
    <message id="ov_open_hot_spot_confirm_client">
        <source>Turn on the hotspot?</source>
        <translation>確定開啟熱點嗎？</translation>
    </message>
    <message id="ov_operation">
        <source>Actions</source>
        <translation>操作</translation>
    </message>
    <message id="ov_param_conf">
        <source>Settings</source>
        <translation>參數設定</translation>
    </message>
    <message id="ov_password">
        <source>Password</source>
        <translation>密碼</translation>
    </message>
    <message id="ov_path_nospace_tip">
        <source>The name must not contain spaces</source>
        <translation>名稱不能包含空格</translation>
    </message>
    <message id="ov_pause">
        <source>Pause</source>
        <translation>暫停</translation>
    </message>
    <message id="ov_play">
        <source>Play</source>
        <translation>播放</translation>
    </message>
    <message id="ov_playing">
        <source>Playing</source>
        <translation>正在播放</translation>
    </message>
    <message id="ov_playlist">
        <source>Play list</source>
        <translation>播放清單</translation>
    </message>
    <message id="ov_power">
        <source>Power</source>
        <translation>電源</translation>
    </message>
    <message id="ov_previous">
        <source>Previous</source>
        <translation>上一個</translation>
    </message>
    <message id="ov_progress_failed">
        <source>Failed</source>
        <translation>失敗</translation>
    </message>
    <message id="ov_progress_failed_at">
        <source>Failed at %1</source>
        <translation>在 %1 時失敗</translation>
    </message>
    <message id="ov_progress_failed_at_reason">
        <source>Failed at %1: %2</source>
        <translation>在 %1 時失敗：%2</translation>
    </message>
    <message id="ov_progress_finished">
        <source>Complete</source>
        <translation>已完成</translation>
    </message>
    <message id="ov_progress_running">
        <source>In progress: %1</source>
        <translation>進行中：%1</translation>
    </message>
    <message id="ov_psd">
        <source>Password</source>
        <translation>密碼</translation>
    </message>
    <message id="ov_psd_wrong">
        <source>Wrong password: it must have at least 8 characters</source>
        <translation>密碼錯誤：密碼至少需要 8 個字元</translation>
    </message>
    <message id="ov_radius_length">
        <source>Radius length</source>
        <translation>半徑長度</translation>
    </message>
    <message id="ov_refresh">
        <source>Refresh</source>
        <translation>重新整理</translation>
    </message>
    <message id="ov_refresh_current_list">
        <source>Reload the play list from the device</source>
        <translation>從裝置重新載入播放清單</translation>
    </message>
    <message id="ov_refresh_wifi_sync">
        <source>Refresh Wi-Fi sync</source>
        <translation>重新整理 Wi-Fi 同步</translation>
    </message>
    <message id="ov_remote">
        <source>Remote control</source>
        <translation>遙控器</translation>
    </message>
    <message id="ov_restart_device">
        <source>Restart device</source>
        <translation>重新啟動裝置</translation>
    </message>
    <message id="ov_right_mask_angle">
        <source>Right mask angle</source>
        <translation>右遮罩角度</translation>
    </message>
    <message id="ov_right_mask_long">
        <source>Right mask length</source>
        <translation>右遮罩長度</translation>
    </message>
    <message id="ov_safe_stop">
        <source>Emergency stop</source>
        <translation>緊急停止</translation>
    </message>
    <message id="ov_sample_diamond">
        <source>Diamond</source>
        <translation>菱形</translation>
    </message>
    <message id="ov_sample_figure">
        <source>Figure</source>
        <translation>圖形</translation>
    </message>
    <message id="ov_sample_fish">
        <source>Fish</source>
        <translation>魚</translation>
    </message>
    <message id="ov_sample_loop">
        <source>Loop</source>
        <translation>循環</translation>
    </message>
    <message id="ov_sample_ring">
        <source>Ring</source>
        <translation>圓環</translation>
    </message>
    <message id="ov_save">
        <source>Save</source>
        <translation>儲存</translation>
    </message>
    <message id="ov_save_changed_content">
        <source>Save the changes to the device</source>
        <translation>將修改儲存至裝置</translation>
    </message>
    <message id="ov_screen_movex">
        <source>Horizontal offset</source>
        <translation>水平偏移</translation>
    </message>
    <message id="ov_screen_movey">
        <source>Vertical offset</source>
        <translation>垂直偏移</translation>
    </message>
    <message id="ov_sd_remain">
        <source>Free storage</source>
        <translation>剩餘儲存空間</translation>
    </message>
    <message id="ov_search">
        <source>Search</source>
        <translation>搜尋</translation>
    </message>
    <message id="ov_search_failed">
        <source>The device search could not run. Check the network connection and that no other program is searching for devices, then try again.</source>
        <translation>無法執行裝置搜尋。請檢查網路連線，並確認沒有其他程式正在搜尋裝置，然後重試。</translation>
    </message>
    <message id="ov_select_all">
        <source>Select all</source>
        <translation>全選</translation>
    </message>
    <message id="ov_server_conn">
        <source>Server</source>
        <translation>連線伺服器</translation>
    </message>
    <message id="ov_service_tip">
        <source>Server</source>
        <translation>伺服器</translation>
    </message>
    <message id="ov_set_angle_error">
        <source>Could not set the angle</source>
        <translation>角度設定失敗</translation>
    </message>
    <message id="ov_set_fail">
        <source>Setting failed</source>
        <translation>設定失敗</translation>
    </message>
    <message id="ov_set_light_error">
        <source>Could not set the brightness</source>
        <translation>亮度設定失敗</translation>
    </message>
    <message id="ov_set_light_success">
        <source>Brightness set</source>
        <translation>亮度設定成功</translation>
    </message>
    <message id="ov_set_speed">
        <source>Rotation speed</source>
        <translation>轉速設定</translation>
    </message>
    <message id="ov_set_success">
        <source>Setting applied</source>
        <translation>設定成功</translation>
    </message>
    <message id="ov_set_timer">
        <source>Timer</source>
        <translation>定時開關</translation>
    </message>
    <message id="ov_slave">
        <source>Slave</source>
        <translation>從機</translation>
    </message>
    <message id="ov_spec_chars_tip">
        <source>The name must not contain ( ) &amp; ' ` ; # commas or line breaks</source>
        <translation>名稱不能包含 ( ) &amp; ' ` ; #、逗號或換行</translation>
    </message>
    <message id="ov_speed_fast">
        <source>Fast</source>
        <translation>快速</translation>
    </message>
    <message id="ov_speed_slow">
        <source>Slow</source>
        <translation>慢速</translation>
    </message>
    <message id="ov_sta2ap">
        <source>Back to hotspot mode</source>
        <translation>切換回熱點模式</translation>
    </message>
    <message id="ov_sta2ap_success">
        <source>The device has left the Wi-Fi network and is back in hotspot mode.</source>
        <translation>裝置已中斷 Wi-Fi 網路，恢復為熱點模式。</translation>
    </message>
    <message id="ov_sta_device_list">
        <source>Devices on the network</source>
        <translation>網路中的裝置</translation>
    </message>
    <message id="ov_success">
        <source>Success</source>
        <translation>成功</translation>
    </message>
    <message id="ov_switch_gap">
        <source>Interval between videos</source>
        <translation>影片切換間隔</translation>
    </message>
    <message id="ov_time_start">
        <source>Switch on at</source>
        <translation>開機時間</translation>
    </message>
    <message id="ov_time_stop">
        <source>Switch off at</source>
        <translation>關機時間</translation>
    </message>
    <message id="ov_times">
        <source>Play count</source>
        <translation>播放次數</translation>
    </message>
    <message id="ov_top_mask">
        <source>Top mask</source>
        <translation>上遮罩</translation>
    </message>
    <message id="ov_top_mask_angle">
        <source>Top mask angle</source>
        <translation>上遮罩角度</translation>
    </message>
    <message id="ov_top_mask_long">
        <source>Top mask length</source>
        <translation>上遮罩長度</translation>
    </message>
    <message id="ov_union">
        <source>Unions</source>
        <translation>拼接</translation>
    </message>
    <message id="ov_union_clear_video">
        <source>Clear play lists</source>
        <translation>清空播放清單</translation>
    </message>
    <message id="ov_union_close_mask">
        <source>Masks off</source>
        <translation>關閉遮罩</translation>
    </message>
    <message id="ov_union_columns">
        <source>Columns</source>
        <translation>欄數</translation>
    </message>
    <message id="ov_union_cut_upload">
        <source>Cut and upload video</source>
        <translation>裁切並上傳影片</translation>
    </message>
    <message id="ov_union_default_mask">
        <source>Default masks</source>
        <translation>預設遮罩</translation>
    </message>
    <message id="ov_union_delete_video">
        <source>Delete a video</source>
        <translation>刪除影片</translation>
    </message>
    <message id="ov_union_edit">
        <source>Edit union</source>
        <translation>編輯拼接</translation>
    </message>
    <message id="ov_union_list_changed">
        <source>The union list was changed elsewhere. Open the list again and repeat your change.</source>
        <translation>拼接列表已在別處被修改。請重新開啟列表，然後再次進行修改。</translation>
    </message>
    <message id="ov_union_name">
        <source>Union name</source>
        <translation>拼接名稱</translation>
    </message>
    <message id="ov_union_open_mask">
        <source>Masks only</source>
        <translation>僅開啟遮罩</translation>
    </message>
    <message id="ov_union_refresh_ip">
        <source>Refresh addresses</source>
        <translation>重新整理 IP 位址</translation>
    </message>
    <message id="ov_union_reverse">
        <source>Top-left fan in front</source>
        <translation>左上角風扇在前</translation>
    </message>
    <message id="ov_union_rows">
        <source>Rows</source>
        <translation>列數</translation>
    </message>
    <message id="ov_union_size_tip">
        <source>Rows and columns must be whole numbers</source>
        <translation>列數和欄數必須是整數</translation>
    </message>
    <message id="ov_union_sync_off">
        <source>Stop Wi-Fi sync</source>
        <translation>關閉 Wi-Fi 同步</translation>
    </message>
    <message id="ov_union_sync_on">
        <source>Start Wi-Fi sync</source>
        <translation>開啟 Wi-Fi 同步</translation>
    </message>
    <message id="ov_union_upload_cut">
        <source>Upload cut tiles</source>
        <translation>上傳已裁切影片</translation>
    </message>
    <message id="ov_union_upload_same">
        <source>Upload one video to all</source>
        <translation>全部上傳同一影片</translation>
    </message>
    <message id="ov_union_white_off">
        <source>White background off</source>
        <translation>關閉白底</translation>
    </message>
    <message id="ov_union_white_on">
        <source>White background on</source>
        <translation>開啟白底</translation>
    </message>
    <message id="ov_unsupport_tip">
        <source>not supported by the device</source>
        <translation>裝置不支援</translation>
    </message>
    <message id="ov_restarting">
        <source>The device is restarting</source>
        <translation>重啟成功</translation>
    </message>
    <message id="ov_update_success">
        <source>Update uploaded. Reconnect once the device has restarted.</source>
        <translation>升級檔案上傳成功，請在裝置重新啟動後重新連線。</translation>
    </message>
    <message id="ov_use">
        <source>Use</source>
        <translation>使用</translation>
    </message>
    <message id="ov_username">
        <source>Account</source>
        <translation>帳號</translation>
    </message>
    <message id="ov_using">
        <source>In use</source>
        <translation>使用中</translation>
    </message>
    <message id="ov_version_b">
        <source>Base version</source>
        <translation>底層版本</translation>
    </message>
    <message id="ov_version_c">
        <source>Core version</source>
        <translation>核心版本</translation>
    </message>
    <message id="ov_version_f">
        <source>FPGA version</source>
        <translation>FPGA 版本</translation>
    </message>
    <message id="ov_video_list">
        <source>Video list</source>
        <translation>影片清單</translation>
    </message>
    <message id="ov_video_store">
        <source>Sample videos</source>
        <translation>素材中心</translation>
    </message>
    <message id="ov_volume_adj">
        <source>Volume</source>
        <translation>音量調節</translation>
    </message>
    <message id="ov_wait_for_search">
        <source>A device search is in progress. Please wait until it has finished, then try again.</source>
        <translation>正在搜尋裝置，請等待搜尋完成後再試。</translation>
    </message>
    <message id="ov_wait_for_upload">
        <source>An upload is in progress. Please wait until it has finished.</source>
        <translation>正在上傳，請等待上傳完成。</translation>
    </message>
    <message id="ov_white_bg">
        <source>White background</source>
        <translation>白色背景</translation>
    </message>
    <message id="ov_wifi_name">
        <source>Wi-Fi network</source>
        <translation>Wi-Fi 名稱</translation>
    </message>
    <message id="ov_wifi_psd">
        <source>Wi-Fi password</source>
        <translation>Wi-Fi 密碼</translation>
    </message>
</context>
</TS>
