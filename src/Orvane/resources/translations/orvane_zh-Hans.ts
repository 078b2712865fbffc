<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name></name>
    <message id="cloud_server_error">
        <source>Server error, please try again later</source>
        <translation>服务器异常，请稍后重试</translation>
    </message>
    <message id="ov_4g_network">
        <source>4G network</source>
        <translation>4G 网络</translation>
    </message>
    <message id="ov_a11y_choices">
        <source>Choices</source>
        <translation>选项</translation>
    </message>
    <message id="ov_a11y_grid_empty">
        <source>Empty slot, row %1, column %2</source>
        <translation>空位，第 %1 行，第 %2 列</translation>
    </message>
    <message id="ov_a11y_grid_fan">
        <source>%1, row %2, column %3</source>
        <translation>%1，第 %2 行，第 %3 列</translation>
    </message>
    <message id="ov_a11y_hours_tens">
        <source>Hours, tens digit</source>
        <translation>小时十位</translation>
    </message>
    <message id="ov_a11y_hours_units">
        <source>Hours, units digit</source>
        <translation>小时个位</translation>
    </message>
    <message id="ov_a11y_language">
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message id="ov_a11y_menu">
        <source>Menu</source>
        <translation>菜单</translation>
    </message>
    <message id="ov_a11y_minutes_tens">
        <source>Minutes, tens digit</source>
        <translation>分钟十位</translation>
    </message>
    <message id="ov_a11y_minutes_units">
        <source>Minutes, units digit</source>
        <translation>分钟个位</translation>
    </message>
    <message id="ov_a11y_next">
        <source>Next</source>
        <translation>下一个</translation>
    </message>
    <message id="ov_a11y_play">
        <source>Play</source>
        <translation>播放</translation>
    </message>
    <message id="ov_a11y_previous">
        <source>Previous</source>
        <translation>上一个</translation>
    </message>
    <message id="ov_a11y_progress">
        <source>Progress</source>
        <translation>进度</translation>
    </message>
    <message id="ov_a11y_seconds_tens">
        <source>Seconds, tens digit</source>
        <translation>秒十位</translation>
    </message>
    <message id="ov_a11y_seconds_units">
        <source>Seconds, units digit</source>
        <translation>秒个位</translation>
    </message>
    <message id="ov_a11y_status">
        <source>Status</source>
        <translation>状态</translation>
    </message>
    <message id="ov_add">
        <source>Add</source>
        <translation>添加</translation>
    </message>
    <message id="ov_add_file_fail">
        <source>Upload failed</source>
        <translation>上传失败</translation>
    </message>
    <message id="ov_add_file_success">
        <source>Upload complete</source>
        <translation>上传成功</translation>
    </message>
    <message id="ov_add_file_to_list">
        <source>Add files to the play list</source>
        <translation>添加文件到播放列表</translation>
    </message>
    <message id="ov_advanced">
        <source>Advanced settings</source>
        <translation>高级设置</translation>
    </message>
    <message id="ov_already_normal_mode">
        <source>The device is already in hotspot mode</source>
        <translation>设备已处于热点模式</translation>
    </message>
    <message id="ov_angle_adj">
        <source>Angle adjustment</source>
        <translation>角度调节</translation>
    </message>
    <message id="ov_angle_decrease">
        <source>One degree less</source>
        <translation>减少 1 度</translation>
    </message>
    <message id="ov_angle_increase">
        <source>One degree more</source>
        <translation>增加 1 度</translation>
    </message>
    <message id="ov_ap2sta_tip">
        <source>The device will join the selected Wi-Fi network and the current connection will close. Continue?</source>
        <translation>设备将加入所选的 Wi-Fi 网络，当前连接将断开。是否继续？</translation>
    </message>
    <message id="ov_ap2stp_success">
        <source>The device is joining the Wi-Fi network. Connect this computer to the same network, then search for the device.</source>
        <translation>设备正在加入 Wi-Fi 网络。请将电脑连接到同一网络，然后搜索设备。</translation>
    </message>
    <message id="ov_ask_delete_index">
        <source>Enter the number of the video to delete</source>
        <translation>请输入要删除的视频序号</translation>
    </message>
    <message id="ov_auto_start">
        <source>Auto start</source>
        <translation>开机自动播放</translation>
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
        <translation>下遮罩长度</translation>
    </message>
    <message id="ov_bottom_mix">
        <source>Bottom mixed mask</source>
        <translation>下混合遮罩</translation>
    </message>
    <message id="ov_breath">
        <source>Breathing light</source>
        <translation>呼吸灯</translation>
    </message>
    <message id="ov_cancel">
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message id="ov_change_password_confirm">
        <source>Change the hotspot password? You will need the new password to connect again.</source>
        <translation>确定修改热点密码吗？再次连接时需要使用新密码。</translation>
    </message>
    <message id="ov_clear">
        <source>Clear</source>
        <translation>清空</translation>
    </message>
    <message id="ov_clear_list_tip">
        <source>Clear the play list? Every video on it will be removed.</source>
        <translation>确定清空播放列表吗？列表中的所有视频都将被移除。</translation>
    </message>
    <message id="ov_clear_playlist">
        <source>Clear the play list</source>
        <translation>清空播放列表</translation>
    </message>
    <message id="ov_close_4g_confirm">
        <source>Turn off 4G?</source>
        <translation>确定关闭 4G 吗？</translation>
    </message>
    <message id="ov_close_hot_spot_confirm">
        <source>Turn off the hotspot?</source>
        <translation>确定关闭热点吗？</translation>
    </message>
    <message id="ov_collapse">
        <source>Collapse</source>
        <translation>收起</translation>
    </message>
    <message id="ov_confirm">
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message id="ov_confirm_delete">
        <source>Delete this item</source>
        <translation>确定删除</translation>
    </message>
    <message id="ov_confirm_gap">
        <source>Change the interval between videos?</source>
        <translation>确定修改视频切换间隔吗？</translation>
    </message>
    <message id="ov_confirm_operate">
        <source>Carry out this operation?</source>
        <translation>确定执行此操作吗？</translation>
    </message>
    <message id="ov_confirm_restart">
        <source>Restart the device?</source>
        <translation>确定重启设备吗？</translation>
    </message>
    <message id="ov_confirm_set_speed">
        <source>Change the rotation speed?</source>
        <translation>确定修改转速吗？</translation>
    </message>
    <message id="ov_conn_bluetooth">
        <source>Bluetooth connection</source>
        <translation>蓝牙连接</translation>
    </message>
    <message id="ov_conn_fail_tip">
        <source>Could not connect to the device. Check that it is switched on and in range, then try again.</source>
        <translation>无法连接设备。请确认设备已开机并在范围内，然后重试。</translation>
    </message>
    <message id="ov_conn_tip">
        <source>Choose how to connect to the device</source>
        <translation>请选择设备的连接方式</translation>
    </message>
    <message id="ov_connect_device">
        <source>Connect device</source>
        <translation>连接设备</translation>
    </message>
    <message id="ov_connect_failed">
        <source>Connection failed</source>
        <translation>连接失败</translation>
    </message>
    <message id="ov_connecting">
        <source>Connecting</source>
        <translation>正在连接</translation>
    </message>
    <message id="ov_copy">
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message id="ov_cover_length">
        <source>Cover length</source>
        <translation>遮盖长度</translation>
    </message>
    <message id="ov_credit_line">
        <source>Orvane, the controller for holographic fan displays</source>
        <translation>Orvane 全息风扇显示屏控制器</translation>
    </message>
    <message id="ov_cut_transcode">
        <source>Cutting and converting the video</source>
        <translation>正在裁剪并转码视频</translation>
    </message>
    <message id="ov_default_device_type">
        <source>Holographic fan</source>
        <translation>全息风扇</translation>
    </message>
    <message id="ov_delete_file_ensure">
        <source>Delete this file?</source>
        <translation>确定删除此文件吗？</translation>
    </message>
    <message id="ov_delete_list_ensure">
        <source>Delete this play list?</source>
        <translation>确定删除此播放列表吗？</translation>
    </message>
    <message id="ov_delete_row_out_of_range">
        <source>Only the first 256 stored files can be deleted one by one; clear the list to remove the others</source>
        <translation>只能逐个删除前 256 个已存储的文件；要删除其余文件，请清空列表</translation>
    </message>
    <message id="ov_detail">
        <source>Detail</source>
        <translation>详情</translation>
    </message>
    <message id="ov_device_conn_net">
        <source>Connect the device to the network</source>
        <translation>设备联网</translation>
    </message>
    <message id="ov_device_hot_spot">
        <source>Device hotspot</source>
        <translation>设备热点</translation>
    </message>
    <message id="ov_device_is_ap">
        <source>Direct connection</source>
        <translation>直连模式</translation>
    </message>
    <message id="ov_device_is_ap_tip">
        <source>This computer joins the device's own Wi-Fi hotspot</source>
        <translation>电脑连接设备自身的 Wi-Fi 热点</translation>
    </message>
    <message id="ov_device_is_sta">
        <source>Network connection</source>
        <translation>网络模式</translation>
    </message>
    <message id="ov_device_is_sta_des">
        <source>The device and this computer are on the same router network</source>
        <translation>设备与电脑连接在同一路由器网络中</translation>
    </message>
    <message id="ov_disconn_wifi">
        <source>Disconnect Wi-Fi</source>
        <translation>断开 Wi-Fi</translation>
    </message>
    <message id="ov_edit_list">
        <source>Edit play list</source>
        <translation>编辑播放列表</translation>
    </message>
    <message id="ov_enter_8_pure_int_password">
        <source>Enter a password of exactly 8 digits</source>
        <translation>请输入 8 位纯数字密码</translation>
    </message>
    <message id="ov_err_check">
        <source>Troubleshooting</source>
        <translation>故障排查</translation>
    </message>
    <message id="ov_fail">
        <source>Failed</source>
        <translation>失败</translation>
    </message>
    <message id="ov_file_name">
        <source>File name</source>
        <translation>文件名</translation>
    </message>
    <message id="ov_file_name_duplicate">
        <source>A file with this name already exists</source>
        <translation>文件名已存在</translation>
    </message>
    <message id="ov_file_size">
        <source>Size</source>
        <translation>大小</translation>
    </message>
    <message id="ov_forbidden_close_4g">
        <source>4G cannot be turned off in the device's current hotspot state</source>
        <translation>当前热点状态下无法关闭 4G</translation>
    </message>
    <message id="ov_forget_password_hint">
        <source>The saved password was refused. Enter the device password again.</source>
        <translation>已保存的密码被拒绝，请重新输入设备密码。</translation>
    </message>
    <message id="ov_forget_wifi">
        <source>Forgot the Wi-Fi password?</source>
        <translation>忘记 Wi-Fi 密码？</translation>
    </message>
    <message id="ov_help">
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message id="ov_help_ap_btn">
        <source>Hotspot mode: press the mode button on the device once.</source>
        <translation>热点模式：按一下设备上的模式键。</translation>
    </message>
    <message id="ov_help_ap_light">
        <source>The indicator light stays on while the device's hotspot is active.</source>
        <translation>设备热点开启时，指示灯常亮。</translation>
    </message>
    <message id="ov_help_pair_btn">
        <source>Network mode: hold the mode button until the indicator light flashes.</source>
        <translation>网络模式：长按模式键，直到指示灯闪烁。</translation>
    </message>
    <message id="ov_help_pair_light">
        <source>The indicator light flashes while the device joins a network.</source>
        <translation>设备加入网络时，指示灯闪烁。</translation>
    </message>
    <message id="ov_help_title">
        <source>Connection help</source>
        <translation>连接帮助</translation>
    </message>
    <message id="ov_hot_spot_name">
        <source>Hotspot name</source>
        <translation>热点名称</translation>
    </message>
    <message id="ov_hot_spot_password">
        <source>Hotspot password</source>
        <translation>热点密码</translation>
    </message>
    <message id="ov_input_list_name">
        <source>Enter a name for the play list</source>
        <translation>请输入播放列表名称</translation>
    </message>
    <message id="ov_invalid_file">
        <source>Unsupported file</source>
        <translation>不支持的文件</translation>
    </message>
    <message id="ov_left_mask_angle">
        <source>Left mask angle</source>
        <translation>左遮罩角度</translation>
    </message>
    <message id="ov_left_mask_long">
        <source>Left mask length</source>
        <translation>左遮罩长度</translation>
    </message>
    <message id="ov_light_adj">
        <source>Brightness</source>
        <translation>亮度调节</translation>
    </message>
    <message id="ov_login_failed">
        <source>Sign-in failed</source>
        <translation>登录失败</translation>
    </message>
    <message id="ov_login_tip">
        <source>Sign in to your cloud account</source>
        <translation>登录云账号</translation>
    </message>
    <message id="ov_logout">
        <source>Sign out</source>
        <translation>退出登录</translation>
    </message>
    <message id="ov_mask_mode">
        <source>Mask mode</source>
        <translation>遮罩模式</translation>
    </message>
    <message id="ov_master">
        <source>Master</source>
        <translation>主机</translation>
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
        <translation>多列表</translation>
    </message>
    <message id="ov_next">
        <source>Next</source>
        <translation>下一个</translation>
    </message>
    <message id="ov_no_mask">
        <source>No mask</source>
        <translation>无遮罩</translation>
    </message>
    <message id="ov_normal">
        <source>Normal</source>
        <translation>正常</translation>
    </message>
    <message id="ov_no_device_found">
        <source>No device found</source>
        <translation>未找到设备</translation>
    </message>
    <message id="ov_not_selected_device">
        <source>Select a device first</source>
        <translation>请先选择设备</translation>
    </message>
    <message id="ov_now_status">
        <source>Union role</source>
        <translation>当前状态</translation>
    </message>
    <message id="ov_open_hot_spot_confirm_client">
        <source>Turn on the hotspot?</source>
        <translation>确定打开热点吗？</translation>
    </message>
    <message id="ov_operation">
        <source>Actions</source>
        <translation>操作</translation>
    </message>
    <message id="ov_param_conf">
        <source>Settings</source>
        <translation>参数设置</translation>
    </message>
    <message id="ov_password">
        <source>Password</source>
        <translation>密码</translation>
    </message>
    <message id="ov_path_nospace_tip">
        <source>The name must not contain spaces</source>
        <translation>名称不能包含空格</translation>
    </message>
    <message id="ov_pause">
        <source>Pause</source>
        <translation>暂停</translation>
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
        <translation>播放列表</translation>
    </message>
    <message id="ov_power">
        <source>Power</source>
        <translation>电源</translation>
    </message>
    <message id="ov_previous">
        <source>Previous</source>
        <translation>上一个</translation>
    </message>
    <message id="ov_progress_failed">
        <source>Failed</source>
        <translation>失败</translation>
    </message>
    <message id="ov_progress_failed_at">
        <source>Failed at %1</source>
        <translation>在 %1 时失败</translation>
    </message>
    <message id="ov_progress_failed_at_reason">
        <source>Failed at %1: %2</source>
        <translation>在 %1 时失败：%2</translation>
    </message>
    <message id="ov_progress_finished">
        <source>Complete</source>
        <translation>已完成</translation>
    </message>
    <message id="ov_progress_running">
        <source>In progress: %1</source>
        <translation>进行中：%1</translation>
    </message>
    <message id="ov_psd">
        <source>Password</source>
        <translation>密码</translation>
    </message>
    <message id="ov_psd_wrong">
        <source>Wrong password: it must have at least 8 characters</source>
        <translation>密码错误：密码至少需要 8 个字符</translation>
    </message>
    <message id="ov_radius_length">
        <source>Radius length</source>
        <translation>半径长度</translation>
    </message>
    <message id="ov_refresh">
        <source>Refresh</source>
        <translation>刷新</translation>
    </message>
    <message id="ov_refresh_current_list">
        <source>Reload the play list from the device</source>
        <translation>从设备重新加载播放列表</translation>
    </message>
    <message id="ov_refresh_wifi_sync">
        <source>Refresh Wi-Fi sync</source>
        <translation>刷新 Wi-Fi 同步</translation>
    </message>
    <message id="ov_remote">
        <source>Remote control</source>
        <translation>遥控器</translation>
    </message>
    <message id="ov_restart_device">
        <source>Restart device</source>
        <translation>重启设备</translation>
    </message>
    <message id="ov_right_mask_angle">
        <source>Right mask angle</source>
        <translation>右遮罩角度</translation>
    </message>
    <message id="ov_right_mask_long">
        <source>Right mask length</source>
        <translation>右遮罩长度</translation>
    </message>
    <message id="ov_safe_stop">
        <source>Emergency stop</source>
        <translation>紧急停止</translation>
    </message>
    <message id="ov_sample_diamond">
        <source>Diamond</source>
        <translation>菱形</translation>
    </message>
    <message id="ov_sample_figure">
        <source>Figure</source>
        <translation>图形</translation>
    </message>
    <message id="ov_sample_fish">
        <source>Fish</source>
        <translation>鱼</translation>
    </message>
    <message id="ov_sample_loop">
        <source>Loop</source>
        <translation>循环</translation>
    </message>
    <message id="ov_sample_ring">
        <source>Ring</source>
        <translation>圆环</translation>
    </message>
    <message id="ov_save">
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message id="ov_save_changed_content">
        <source>Save the changes to the device</source>
        <translation>将修改保存到设备</translation>
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
        <translation>剩余存储空间</translation>
    </message>
    <message id="ov_search">
        <source>Search</source>
        <translation>搜索</translation>
    </message>
    <message id="ov_search_failed">
        <source>The device search could not run. Check the network connection and that no other program is searching for devices, then try again.</source>
        <translation>无法执行设备搜索。请检查网络连接，并确认没有其他程序正在搜索设备，然后重试。</translation>
    </message>
    <message id="ov_select_all">
        <source>Select all</source>
        <translation>全选</translation>
    </message>
    <message id="ov_server_conn">
        <source>Server</source>
        <translation>连接服务器</translation>
    </message>
    <message id="ov_service_tip">
        <source>Server</source>
        <translation>服务器</translation>
    </message>
    <message id="ov_set_angle_error">
        <source>Could not set the angle</source>
        <translation>角度设置失败</translation>
    </message>
    <message id="ov_set_fail">
        <source>Setting failed</source>
        <translation>设置失败</translation>
    </message>
    <message id="ov_set_light_error">
        <source>Could not set the brightness</source>
        <translation>亮度设置失败</translation>
    </message>
    <message id="ov_set_light_success">
        <source>Brightness set</source>
        <translation>亮度设置成功</translation>
    </message>
    <message id="ov_set_speed">
        <source>Rotation speed</source>
        <translation>转速设置</translation>
    </message>
    <message id="ov_set_success">
        <source>Setting applied</source>
        <translation>设置成功</translation>
    </message>
    <message id="ov_set_timer">
        <source>Timer</source>
        <translation>定时开关</translation>
    </message>
    <message id="ov_slave">
        <source>Slave</source>
        <translation>从机</translation>
    </message>
    <message id="ov_spec_chars_tip">
        <source>The name must not contain ( ) &amp; ' ` ; # commas or line breaks</source>
        <translation>名称不能包含 ( ) &amp; ' ` ; #、逗号或换行</translation>
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
        <translation>切换回热点模式</translation>
    </message>
    <message id="ov_sta2ap_success">
        <source>The device has left the Wi-Fi network and is back in hotspot mode.</source>
        <translation>设备已断开 Wi-Fi 网络，恢复为热点模式。</translation>
    </message>
    <message id="ov_sta_device_list">
        <source>Devices on the network</source>
        <translation>网络中的设备</translation>
    </message>
    <message id="ov_success">
        <source>Success</source>
        <translation>成功</translation>
    </message>
    <message id="ov_switch_gap">
        <source>Interval between videos</source>
        <translation>视频切换间隔</translation>
    </message>
    <message id="ov_time_start">
        <source>Switch on at</source>
        <translation>开机时间</translation>
    </message>
    <message id="ov_time_stop">
        <source>Switch off at</source>
        <translation>关机时间</translation>
    </message>
    <message id="ov_times">
        <source>Play count</source>
        <translation>播放次数</translation>
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
        <translation>上遮罩长度</translation>
    </message>
    <message id="ov_union">
        <source>Unions</source>
        <translation>拼接</translation>
    </message>
    <message id="ov_union_clear_video">
        <source>Clear play lists</source>
        <translation>清空播放列表</translation>
    </message>
    <message id="ov_union_close_mask">
        <source>Masks off</source>
        <translation>关闭遮罩</translation>
    </message>
    <message id="ov_union_columns">
        <source>Columns</source>
        <translation>列数</translation>
    </message>
    <message id="ov_union_cut_upload">
        <source>Cut and upload video</source>
        <translation>裁剪并上传视频</translation>
    </message>
    <message id="ov_union_default_mask">
        <source>Default masks</source>
        <translation>默认遮罩</translation>
    </message>
    <message id="ov_union_delete_video">
        <source>Delete a video</source>
        <translation>删除视频</translation>
    </message>
    <message id="ov_union_edit">
        <source>Edit union</source>
        <translation>编辑拼接</translation>
    </message>
    <message id="ov_union_list_changed">
        <source>The union list was changed elsewhere. Open the list again and repeat your change.</source>
        <translation>拼接列表已在别处被修改。请重新打开列表，然后再次进行修改。</translation>
    </message>
    <message id="ov_union_name">
        <source>Union name</source>
        <translation>拼接名称</translation>
    </message>
    <message id="ov_union_open_mask">
        <source>Masks only</source>
        <translation>仅开启遮罩</translation>
    </message>
    <message id="ov_union_refresh_ip">
        <source>Refresh addresses</source>
        <translation>刷新 IP 地址</translation>
    </message>
    <message id="ov_union_reverse">
        <source>Top-left fan in front</source>
        <translation>左上角风扇在前</translation>
    </message>
    <message id="ov_union_rows">
        <source>Rows</source>
        <translation>行数</translation>
    </message>
    <message id="ov_union_size_tip">
        <source>Rows and columns must be whole numbers</source>
        <translation>行数和列数必须是整数</translation>
    </message>
    <message id="ov_union_sync_off">
        <source>Stop Wi-Fi sync</source>
        <translation>关闭 Wi-Fi 同步</translation>
    </message>
    <message id="ov_union_sync_on">
        <source>Start Wi-Fi sync</source>
        <translation>开启 Wi-Fi 同步</translation>
    </message>
    <message id="ov_union_upload_cut">
        <source>Upload cut tiles</source>
        <translation>上传已裁剪视频</translation>
    </message>
    <message id="ov_union_upload_same">
        <source>Upload one video to all</source>
        <translation>全部上传同一视频</translation>
    </message>
    <message id="ov_union_white_off">
        <source>White background off</source>
        <translation>关闭白底</translation>
    </message>
    <message id="ov_union_white_on">
        <source>White background on</source>
        <translation>开启白底</translation>
    </message>
    <message id="ov_unsupport_tip">
        <source>not supported by the device</source>
        <translation>设备不支持</translation>
    </message>
    <message id="ov_restarting">
        <source>The device is restarting</source>
        <translation>重启成功</translation>
    </message>
    <message id="ov_update_success">
        <source>Update uploaded. Reconnect once the device has restarted.</source>
        <translation>升级文件上传成功，请在设备重启后重新连接。</translation>
    </message>
    <message id="ov_use">
        <source>Use</source>
        <translation>使用</translation>
    </message>
    <message id="ov_username">
        <source>Account</source>
        <translation>账号</translation>
    </message>
    <message id="ov_using">
        <source>In use</source>
        <translation>使用中</translation>
    </message>
    <message id="ov_version_b">
        <source>Base version</source>
        <translation>底层版本</translation>
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
        <translation>视频列表</translation>
    </message>
    <message id="ov_video_store">
        <source>Sample videos</source>
        <translation>素材中心</translation>
    </message>
    <message id="ov_volume_adj">
        <source>Volume</source>
        <translation>音量调节</translation>
    </message>
    <message id="ov_wait_for_search">
        <source>A device search is in progress. Please wait until it has finished, then try again.</source>
        <translation>正在搜索设备，请等待搜索完成后再试。</translation>
    </message>
    <message id="ov_wait_for_upload">
        <source>An upload is in progress. Please wait until it has finished.</source>
        <translation>正在上传，请等待上传完成。</translation>
    </message>
    <message id="ov_white_bg">
        <source>White background</source>
        <translation>白色背景</translation>
    </message>
    <message id="ov_wifi_name">
        <source>Wi-Fi network</source>
        <translation>Wi-Fi 名称</translation>
    </message>
    <message id="ov_wifi_psd">
        <source>Wi-Fi password</source>
        <translation>Wi-Fi 密码</translation>
    </message>
</context>
</TS>
