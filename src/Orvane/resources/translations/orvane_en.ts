<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name></name>
    <message id="cloud_server_error">
        <source>Server error, please try again later</source>
        <translation>Server error, please try again later</translation>
    </message>
    <message id="ov_4g_network">
        <source>4G network</source>
        <translation>4G network</translation>
    </message>
    <message id="ov_a11y_choices">
        <source>Choices</source>
        <translation>Choices</translation>
    </message>
    <message id="ov_a11y_grid_empty">
        <source>Empty slot, row %1, column %2</source>
        <translation>Empty slot, row %1, column %2</translation>
    </message>
    <message id="ov_a11y_grid_fan">
        <source>%1, row %2, column %3</source>
        <translation>%1, row %2, column %3</translation>
    </message>
    <message id="ov_a11y_hours_tens">
        <source>Hours, tens digit</source>
        <translation>Hours, tens digit</translation>
    </message>
    <message id="ov_a11y_hours_units">
        <source>Hours, units digit</source>
        <translation>Hours, units digit</translation>
    </message>
    <message id="ov_a11y_language">
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message id="ov_a11y_menu">
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message id="ov_a11y_minutes_tens">
        <source>Minutes, tens digit</source>
        <translation>Minutes, tens digit</translation>
    </message>
    <message id="ov_a11y_minutes_units">
        <source>Minutes, units digit</source>
        <translation>Minutes, units digit</translation>
    </message>
    <message id="ov_a11y_next">
        <source>Next</source>
        <translation>Next</translation>
    </message>
    <message id="ov_a11y_play">
        <source>Play</source>
        <translation>Play</translation>
    </message>
    <message id="ov_a11y_previous">
        <source>Previous</source>
        <translation>Previous</translation>
    </message>
    <message id="ov_a11y_progress">
        <source>Progress</source>
        <translation>Progress</translation>
    </message>
    <message id="ov_a11y_seconds_tens">
        <source>Seconds, tens digit</source>
        <translation>Seconds, tens digit</translation>
    </message>
    <message id="ov_a11y_seconds_units">
        <source>Seconds, units digit</source>
        <translation>Seconds, units digit</translation>
    </message>
    <message id="ov_a11y_status">
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message id="ov_add">
        <source>Add</source>
        <translation>Add</translation>
    </message>
    <message id="ov_add_file_fail">
        <source>Upload failed</source>
        <translation>Upload failed</translation>
    </message>
    <message id="ov_add_file_success">
        <source>Upload complete</source>
        <translation>Upload complete</translation>
    </message>
    <message id="ov_add_file_to_list">
        <source>Add files to the play list</source>
        <translation>Add files to the play list</translation>
    </message>
    <message id="ov_advanced">
        <source>Advanced settings</source>
        <translation>Advanced settings</translation>
    </message>
    <message id="ov_already_normal_mode">
        <source>The device is already in hotspot mode</source>
        <translation>The device is already in hotspot mode</translation>
    </message>
    <message id="ov_angle_adj">
        <source>Angle adjustment</source>
        <translation>Angle adjustment</translation>
    </message>
    <message id="ov_angle_decrease">
        <source>One degree less</source>
        <translation>One degree less</translation>
    </message>
    <message id="ov_angle_increase">
        <source>One degree more</source>
        <translation>One degree more</translation>
    </message>
    <message id="ov_ap2sta_tip">
        <source>The device will join the selected Wi-Fi network and the current connection will close. Continue?</source>
        <translation>The device will join the selected Wi-Fi network and the current connection will close. Continue?</translation>
    </message>
    <message id="ov_ap2stp_success">
        <source>The device is joining the Wi-Fi network. Connect this computer to the same network, then search for the device.</source>
        <translation>The device is joining the Wi-Fi network. Connect this computer to the same network, then search for the device.</translation>
    </message>
    <message id="ov_ask_delete_index">
        <source>Enter the number of the video to delete</source>
        <translation>Enter the number of the video to delete</translation>
    </message>
    <message id="ov_auto_start">
        <source>Auto start</source>
        <translation>Auto start</translation>
    </message>
    <message id="ov_back">
        <source>Back</source>
        <translation>Back</translation>
    </message>
    <message id="ov_bottom_mask">
        <source>Bottom mask</source>
        <translation>Bottom mask</translation>
    </message>
    <message id="ov_bottom_mask_angle">
        <source>Bottom mask angle</source>
        <translation>Bottom mask angle</translation>
    </message>
    <message id="ov_bottom_mask_long">
        <source>Bottom mask length</source>
        <translation>Bottom mask length</translation>
    </message>
    <message id="ov_bottom_mix">
        <source>Bottom mixed mask</source>
        <translation>Bottom mixed mask</translation>
    </message>
    <message id="ov_breath">
        <source>Breathing light</source>
        <translation>Breathing light</translation>
    </message>
    <message id="ov_cancel">
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message id="ov_change_password_confirm">
        <source>Change the hotspot password? You will need the new password to connect again.</source>
        <translation>Change the hotspot password? You will need the new password to connect again.</translation>
    </message>
    <message id="ov_clear">
        <source>Clear</source>
        <translation>Clear</translation>
    </message>
    <message id="ov_clear_list_tip">
        <source>Clear the play list? Every video on it will be removed.</source>
        <translation>Clear the play list? Every video on it will be removed.</translation>
    </message>
    <message id="ov_clear_playlist">
        <source>Clear the play list</source>
        <translation>Clear the play list</translation>
    </message>
    <message id="ov_close_4g_confirm">
        <source>Turn off 4G?</source>
        <translation>Turn off 4G?</translation>
    </message>
    <message id="ov_close_hot_spot_confirm">
        <source>Turn off the hotspot?</source>
        <translation>Turn off the hotspot?</translation>
    </message>
    <message id="ov_collapse">
        <source>Collapse</source>
        <translation>Collapse</translation>
    </message>
    <message id="ov_confirm">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="ov_confirm_delete">
        <source>Delete this item</source>
        <translation>Delete this item</translation>
    </message>
    <message id="ov_confirm_gap">
        <source>Change the interval between videos?</source>
        <translation>Change the interval between videos?</translation>
    </message>
    <message id="ov_confirm_operate">
        <source>Carry out this operation?</source>
        <translation>Carry out this operation?</translation>
    </message>
    <message id="ov_confirm_restart">
        <source>Restart the device?</source>
        <translation>Restart the device?</translation>
    </message>
    <message id="ov_confirm_set_speed">
        <source>Change the rotation speed?</source>
        <translation>Change the rotation speed?</translation>
    </message>
    <message id="ov_conn_bluetooth">
        <source>Bluetooth connection</source>
        <translation>Bluetooth connection</translation>
    </message>
    <message id="ov_conn_fail_tip">
        <source>Could not connect to the device. Check that it is switched on and in range, then try again.</source>
        <translation>Could not connect to the device. Check that it is switched on and in range, then try again.</translation>
    </message>
    <message id="ov_conn_tip">
        <source>Choose how to connect to the device</source>
        <translation>Choose how to connect to the device</translation>
    </message>
    <message id="ov_connect_device">
        <source>Connect device</source>
        <translation>Connect device</translation>
    </message>
    <message id="ov_connect_failed">
        <source>Connection failed</source>
        <translation>Connection failed</translation>
    </message>
    <message id="ov_connecting">
        <source>Connecting</source>
        <translation>Connecting</translation>
    </message>
    <message id="ov_copy">
        <source>Copy</source>
        <translation>Copy</translation>
    </message>
    <message id="ov_cover_length">
        <source>Cover length</source>
        <translation>Cover length</translation>
    </message>
    <message id="ov_credit_line">
        <source>Orvane, the controller for holographic fan displays</source>
        <translation>Orvane, the controller for holographic fan displays</translation>
    </message>
    <message id="ov_cut_transcode">
        <source>Cutting and converting the video</source>
        <translation>Cutting and converting the video</translation>
    </message>
    <message id="ov_default_device_type">
        <source>Holographic fan</source>
        <translation>Holographic fan</translation>
    </message>
    <message id="ov_delete_file_ensure">
        <source>Delete this file?</source>
        <translation>Delete this file?</translation>
    </message>
    <message id="ov_delete_list_ensure">
        <source>Delete this play list?</source>
        <translation>Delete this play list?</translation>
    </message>
    <message id="ov_delete_row_out_of_range">
        <source>Only the first 256 stored files can be deleted one by one; clear the list to remove the others</source>
        <translation>Only the first 256 stored files can be deleted one by one; clear the list to remove the others</translation>
    </message>
    <message id="ov_detail">
        <source>Detail</source>
        <translation>Detail</translation>
    </message>
    <message id="ov_device_conn_net">
        <source>Connect the device to the network</source>
        <translation>Connect the device to the network</translation>
    </message>
    <message id="ov_device_hot_spot">
        <source>Device hotspot</source>
        <translation>Device hotspot</translation>
    </message>
    <message id="ov_device_is_ap">
        <source>Direct connection</source>
        <translation>Direct connection</translation>
    </message>
    <message id="ov_device_is_ap_tip">
        <source>This computer joins the device's own Wi-Fi hotspot</source>
        <translation>This computer joins the device's own Wi-Fi hotspot</translation>
    </message>
    <message id="ov_device_is_sta">
        <source>Network connection</source>
        <translation>Network connection</translation>
    </message>
    <message id="ov_device_is_sta_des">
        <source>The device and this computer are on the same router network</source>
        <translation>The device and this computer are on the same router network</translation>
    </message>
    <message id="ov_disconn_wifi">
        <source>Disconnect Wi-Fi</source>
        <translation>Disconnect Wi-Fi</translation>
    </message>
    <message id="ov_edit_list">
        <source>Edit play list</source>
        <translation>Edit play list</translation>
    </message>
    <message id="ov_enter_8_pure_int_password">
        <source>Enter a password of exactly 8 digits</source>
        <translation>Enter a password of exactly 8 digits</translation>
    </message>
    <message id="ov_err_check">
        <source>Troubleshooting</source>
        <translation>Troubleshooting</translation>
    </message>
    <message id="ov_fail">
        <source>Failed</source>
        <translation>Failed</translation>
    </message>
    <message id="ov_file_name">
        <source>File name</source>
        <translation>File name</translation>
    </message>
    <message id="ov_file_name_duplicate">
        <source>A file with this name already exists</source>
        <translation>A file with this name already exists</translation>
    </message>
    <message id="ov_file_size">
        <source>Size</source>
        <translation>Size</translation>
    </message>
    <message id="ov_forbidden_close_4g">
        <source>4G cannot be turned off in the device's current hotspot state</source>
        <translation>4G cannot be turned off in the device's current hotspot state</translation>
    </message>
    <message id="ov_forget_password_hint">
        <source>The saved password was refused. Enter the device password again.</source>
        <translation>The saved password was refused. Enter the device password again.</translation>
    </message>
    <message id="ov_forget_wifi">
        <source>Forgot the Wi-Fi password?</source>
        <translation>Forgot the Wi-Fi password?</translation>
    </message>
    <message id="ov_help">
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message id="ov_help_ap_btn">
        <source>Hotspot mode: press the mode button on the device once.</source>
        <translation>Hotspot mode: press the mode button on the device once.</translation>
    </message>
    <message id="ov_help_ap_light">
        <source>The indicator light stays on while the device's hotspot is active.</source>
        <translation>The indicator light stays on while the device's hotspot is active.</translation>
    </message>
    <message id="ov_help_pair_btn">
        <source>Network mode: hold the mode button until the indicator light flashes.</source>
        <translation>Network mode: hold the mode button until the indicator light flashes.</translation>
    </message>
    <message id="ov_help_pair_light">
        <source>The indicator light flashes while the device joins a network.</source>
        <translation>The indicator light flashes while the device joins a network.</translation>
    </message>
    <message id="ov_help_title">
        <source>Connection help</source>
        <translation>Connection help</translation>
    </message>
    <message id="ov_hot_spot_name">
        <source>Hotspot name</source>
        <translation>Hotspot name</translation>
    </message>
    <message id="ov_hot_spot_password">
        <source>Hotspot password</source>
        <translation>Hotspot password</translation>
    </message>
    <message id="ov_input_list_name">
        <source>Enter a name for the play list</source>
        <translation>Enter a name for the play list</translation>
    </message>
    <message id="ov_invalid_file">
        <source>Unsupported file</source>
        <translation>Unsupported file</translation>
    </message>
    <message id="ov_left_mask_angle">
        <source>Left mask angle</source>
        <translation>Left mask angle</translation>
    </message>
    <message id="ov_left_mask_long">
        <source>Left mask length</source>
        <translation>Left mask length</translation>
    </message>
    <message id="ov_light_adj">
        <source>Brightness</source>
        <translation>Brightness</translation>
    </message>
    <message id="ov_login_failed">
        <source>Sign-in failed</source>
        <translation>Sign-in failed</translation>
    </message>
    <message id="ov_login_tip">
        <source>Sign in to your cloud account</source>
        <translation>Sign in to your cloud account</translation>
    </message>
    <message id="ov_logout">
        <source>Sign out</source>
        <translation>Sign out</translation>
    </message>
    <message id="ov_mask_mode">
        <source>Mask mode</source>
        <translation>Mask mode</translation>
    </message>
    <message id="ov_master">
        <source>Master</source>
        <translation>Master</translation>
    </message>
    <message id="ov_move_down">
        <source>Move down</source>
        <translation>Move down</translation>
    </message>
    <message id="ov_move_up">
        <source>Move up</source>
        <translation>Move up</translation>
    </message>
    <message id="ov_multi_list">
        <source>Play lists</source>
        <translation>Play lists</translation>
    </message>
    <message id="ov_next">
        <source>Next</source>
        <translation>Next</translation>
    </message>
    <message id="ov_no_mask">
        <source>No mask</source>
        <translation>No mask</translation>
    </message>
    <message id="ov_normal">
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message id="ov_no_device_found">
        <source>No device found</source>
        <translation>No device found</translation>
    </message>
    <message id="ov_not_selected_device">
        <source>Select a device first</source>
        <translation>Select a device first</translation>
    </message>
    <message id="ov_now_status">
        <source>Union role</source>
        <translation>Union role</translation>
    </message>
    <message id="ov_open_hot_spot_confirm_client">
        <source>Turn on the hotspot?</source>
        <translation>Turn on the hotspot?</translation>
    </message>
    <message id="ov_operation">
        <source>Actions</source>
        <translation>Actions</translation>
    </message>
    <message id="ov_param_conf">
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message id="ov_password">
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message id="ov_path_nospace_tip">
        <source>The name must not contain spaces</source>
        <translation>The name must not contain spaces</translation>
    </message>
    <message id="ov_pause">
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message id="ov_play">
        <source>Play</source>
        <translation>Play</translation>
    </message>
    <message id="ov_playing">
        <source>Playing</source>
        <translation>Playing</translation>
    </message>
    <message id="ov_playlist">
        <source>Play list</source>
        <translation>Play list</translation>
    </message>
    <message id="ov_power">
        <source>Power</source>
        <translation>Power</translation>
    </message>
    <message id="ov_previous">
        <source>Previous</source>
        <translation>Previous</translation>
    </message>
    <message id="ov_progress_failed">
        <source>Failed</source>
        <translation>Failed</translation>
    </message>
    <message id="ov_progress_failed_at">
        <source>Failed at %1</source>
        <translation>Failed at %1</translation>
    </message>
    <message id="ov_progress_failed_at_reason">
        <source>Failed at %1: %2</source>
        <translation>Failed at %1: %2</translation>
    </message>
    <message id="ov_progress_finished">
        <source>Complete</source>
        <translation>Complete</translation>
    </message>
    <message id="ov_progress_running">
        <source>In progress: %1</source>
        <translation>In progress: %1</translation>
    </message>
    <message id="ov_psd">
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message id="ov_psd_wrong">
        <source>Wrong password: it must have at least 8 characters</source>
        <translation>Wrong password: it must have at least 8 characters</translation>
    </message>
    <message id="ov_radius_length">
        <source>Radius length</source>
        <translation>Radius length</translation>
    </message>
    <message id="ov_refresh">
        <source>Refresh</source>
        <translation>Refresh</translation>
    </message>
    <message id="ov_refresh_current_list">
        <source>Reload the play list from the device</source>
        <translation>Reload the play list from the device</translation>
    </message>
    <message id="ov_refresh_wifi_sync">
        <source>Refresh Wi-Fi sync</source>
        <translation>Refresh Wi-Fi sync</translation>
    </message>
    <message id="ov_remote">
        <source>Remote control</source>
        <translation>Remote control</translation>
    </message>
    <message id="ov_restart_device">
        <source>Restart device</source>
        <translation>Restart device</translation>
    </message>
    <message id="ov_right_mask_angle">
        <source>Right mask angle</source>
        <translation>Right mask angle</translation>
    </message>
    <message id="ov_right_mask_long">
        <source>Right mask length</source>
        <translation>Right mask length</translation>
    </message>
    <message id="ov_safe_stop">
        <source>Emergency stop</source>
        <translation>Emergency stop</translation>
    </message>
    <message id="ov_sample_diamond">
        <source>Diamond</source>
        <translation>Diamond</translation>
    </message>
    <message id="ov_sample_figure">
        <source>Figure</source>
        <translation>Figure</translation>
    </message>
    <message id="ov_sample_fish">
        <source>Fish</source>
        <translation>Fish</translation>
    </message>
    <message id="ov_sample_loop">
        <source>Loop</source>
        <translation>Loop</translation>
    </message>
    <message id="ov_sample_ring">
        <source>Ring</source>
        <translation>Ring</translation>
    </message>
    <message id="ov_save">
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message id="ov_save_changed_content">
        <source>Save the changes to the device</source>
        <translation>Save the changes to the device</translation>
    </message>
    <message id="ov_screen_movex">
        <source>Horizontal offset</source>
        <translation>Horizontal offset</translation>
    </message>
    <message id="ov_screen_movey">
        <source>Vertical offset</source>
        <translation>Vertical offset</translation>
    </message>
    <message id="ov_sd_remain">
        <source>Free storage</source>
        <translation>Free storage</translation>
    </message>
    <message id="ov_search">
        <source>Search</source>
        <translation>Search</translation>
    </message>
    <message id="ov_search_failed">
        <source>The device search could not run. Check the network connection and that no other program is searching for devices, then try again.</source>
        <translation>The device search could not run. Check the network connection and that no other program is searching for devices, then try again.</translation>
    </message>
    <message id="ov_select_all">
        <source>Select all</source>
        <translation>Select all</translation>
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
        <translation>Could not set the angle</translation>
    </message>
    <message id="ov_set_fail">
        <source>Setting failed</source>
        <translation>Setting failed</translation>
    </message>
    <message id="ov_set_light_error">
        <source>Could not set the brightness</source>
        <translation>Could not set the brightness</translation>
    </message>
    <message id="ov_set_light_success">
        <source>Brightness set</source>
        <translation>Brightness set</translation>
    </message>
    <message id="ov_set_speed">
        <source>Rotation speed</source>
        <translation>Rotation speed</translation>
    </message>
    <message id="ov_set_success">
        <source>Setting applied</source>
        <translation>Setting applied</translation>
    </message>
    <message id="ov_set_timer">
        <source>Timer</source>
        <translation>Timer</translation>
    </message>
    <message id="ov_slave">
        <source>Slave</source>
        <translation>Slave</translation>
    </message>
    <message id="ov_spec_chars_tip">
        <source>The name must not contain ( ) &amp; ' ` ; # commas or line breaks</source>
        <translation>The name must not contain ( ) &amp; ' ` ; # commas or line breaks</translation>
    </message>
    <message id="ov_speed_fast">
        <source>Fast</source>
        <translation>Fast</translation>
    </message>
    <message id="ov_speed_slow">
        <source>Slow</source>
        <translation>Slow</translation>
    </message>
    <message id="ov_sta2ap">
        <source>Back to hotspot mode</source>
        <translation>Back to hotspot mode</translation>
    </message>
    <message id="ov_sta2ap_success">
        <source>The device has left the Wi-Fi network and is back in hotspot mode.</source>
        <translation>The device has left the Wi-Fi network and is back in hotspot mode.</translation>
    </message>
    <message id="ov_sta_device_list">
        <source>Devices on the network</source>
        <translation>Devices on the network</translation>
    </message>
    <message id="ov_success">
        <source>Success</source>
        <translation>Success</translation>
    </message>
    <message id="ov_switch_gap">
        <source>Interval between videos</source>
        <translation>Interval between videos</translation>
    </message>
    <message id="ov_time_start">
        <source>Switch on at</source>
        <translation>Switch on at</translation>
    </message>
    <message id="ov_time_stop">
        <source>Switch off at</source>
        <translation>Switch off at</translation>
    </message>
    <message id="ov_times">
        <source>Play count</source>
        <translation>Play count</translation>
    </message>
    <message id="ov_top_mask">
        <source>Top mask</source>
        <translation>Top mask</translation>
    </message>
    <message id="ov_top_mask_angle">
        <source>Top mask angle</source>
        <translation>Top mask angle</translation>
    </message>
    <message id="ov_top_mask_long">
        <source>Top mask length</source>
        <translation>Top mask length</translation>
    </message>
    <message id="ov_union">
        <source>Unions</source>
        <translation>Unions</translation>
    </message>
    <message id="ov_union_clear_video">
        <source>Clear play lists</source>
        <translation>Clear play lists</translation>
    </message>
    <message id="ov_union_close_mask">
        <source>Masks off</source>
        <translation>Masks off</translation>
    </message>
    <message id="ov_union_columns">
        <source>Columns</source>
        <translation>Columns</translation>
    </message>
    <message id="ov_union_cut_upload">
        <source>Cut and upload video</source>
        <translation>Cut and upload video</translation>
    </message>
    <message id="ov_union_default_mask">
        <source>Default masks</source>
        <translation>Default masks</translation>
    </message>
    <message id="ov_union_delete_video">
        <source>Delete a video</source>
        <translation>Delete a video</translation>
    </message>
    <message id="ov_union_edit">
        <source>Edit union</source>
        <translation>Edit union</translation>
    </message>
    <message id="ov_union_list_changed">
        <source>The union list was changed elsewhere. Open the list again and repeat your change.</source>
        <translation>The union list was changed elsewhere. Open the list again and repeat your change.</translation>
    </message>
    <message id="ov_union_name">
        <source>Union name</source>
        <translation>Union name</translation>
    </message>
    <message id="ov_union_open_mask">
        <source>Masks only</source>
        <translation>Masks only</translation>
    </message>
    <message id="ov_union_refresh_ip">
        <source>Refresh addresses</source>
        <translation>Refresh addresses</translation>
    </message>
    <message id="ov_union_reverse">
        <source>Top-left fan in front</source>
        <translation>Top-left fan in front</translation>
    </message>
    <message id="ov_union_rows">
        <source>Rows</source>
        <translation>Rows</translation>
    </message>
    <message id="ov_union_size_tip">
        <source>Rows and columns must be whole numbers</source>
        <translation>Rows and columns must be whole numbers</translation>
    </message>
    <message id="ov_union_sync_off">
        <source>Stop Wi-Fi sync</source>
        <translation>Stop Wi-Fi sync</translation>
    </message>
    <message id="ov_union_sync_on">
        <source>Start Wi-Fi sync</source>
        <translation>Start Wi-Fi sync</translation>
    </message>
    <message id="ov_union_upload_cut">
        <source>Upload cut tiles</source>
        <translation>Upload cut tiles</translation>
    </message>
    <message id="ov_union_upload_same">
        <source>Upload one video to all</source>
        <translation>Upload one video to all</translation>
    </message>
    <message id="ov_union_white_off">
        <source>White background off</source>
        <translation>White background off</translation>
    </message>
    <message id="ov_union_white_on">
        <source>White background on</source>
        <translation>White background on</translation>
    </message>
    <message id="ov_unsupport_tip">
        <source>not supported by the device</source>
        <translation>not supported by the device</translation>
    </message>
    <message id="ov_restarting">
        <source>The device is restarting</source>
        <translation>The device is restarting</translation>
    </message>
    <message id="ov_update_success">
        <source>Update uploaded. Reconnect once the device has restarted.</source>
        <translation>Update uploaded. Reconnect once the device has restarted.</translation>
    </message>
    <message id="ov_use">
        <source>Use</source>
        <translation>Use</translation>
    </message>
    <message id="ov_username">
        <source>Account</source>
        <translation>Account</translation>
    </message>
    <message id="ov_using">
        <source>In use</source>
        <translation>In use</translation>
    </message>
    <message id="ov_version_b">
        <source>Base version</source>
        <translation>Base version</translation>
    </message>
    <message id="ov_version_c">
        <source>Core version</source>
        <translation>Core version</translation>
    </message>
    <message id="ov_version_f">
        <source>FPGA version</source>
        <translation>FPGA version</translation>
    </message>
    <message id="ov_video_list">
        <source>Video list</source>
        <translation>Video list</translation>
    </message>
    <message id="ov_video_store">
        <source>Sample videos</source>
        <translation>Sample videos</translation>
    </message>
    <message id="ov_volume_adj">
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message id="ov_wait_for_search">
        <source>A device search is in progress. Please wait until it has finished, then try again.</source>
        <translation>A device search is in progress. Please wait until it has finished, then try again.</translation>
    </message>
    <message id="ov_wait_for_upload">
        <source>An upload is in progress. Please wait until it has finished.</source>
        <translation>An upload is in progress. Please wait until it has finished.</translation>
    </message>
    <message id="ov_white_bg">
        <source>White background</source>
        <translation>White background</translation>
    </message>
    <message id="ov_wifi_name">
        <source>Wi-Fi network</source>
        <translation>Wi-Fi network</translation>
    </message>
    <message id="ov_wifi_psd">
        <source>Wi-Fi password</source>
        <translation>Wi-Fi password</translation>
    </message>
</context>
</TS>
