<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name></name>
    <message id="cloud_server_error">
        <source>Server error, please try again later</source>
        <translation>サーバーエラーです。しばらくしてから再度お試しください</translation>
    </message>
    <message id="ov_4g_network">
        <source>4G network</source>
        <translation>4G ネットワーク</translation>
    </message>
    <message id="ov_a11y_choices">
        <source>Choices</source>
        <translation>選択肢</translation>
    </message>
    <message id="ov_a11y_grid_empty">
        <source>Empty slot, row %1, column %2</source>
        <translation>空きスロット、%1 行目、%2 列目</translation>
    </message>
    <message id="ov_a11y_grid_fan">
        <source>%1, row %2, column %3</source>
        <translation>%1、%2 行目、%3 列目</translation>
    </message>
    <message id="ov_a11y_hours_tens">
        <source>Hours, tens digit</source>
        <translation>時（十の位）</translation>
    </message>
    <message id="ov_a11y_hours_units">
        <source>Hours, units digit</source>
        <translation>時（一の位）</translation>
    </message>
    <message id="ov_a11y_language">
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message id="ov_a11y_menu">
        <source>Menu</source>
        <translation>メニュー</translation>
    </message>
    <message id="ov_a11y_minutes_tens">
        <source>Minutes, tens digit</source>
        <translation>分（十の位）</translation>
    </message>
    <message id="ov_a11y_minutes_units">
        <source>Minutes, units digit</source>
        <translation>分（一の位）</translation>
    </message>
    <message id="ov_a11y_next">
        <source>Next</source>
        <translation>次へ</translation>
    </message>
    <message id="ov_a11y_play">
        <source>Play</source>
        <translation>再生</translation>
    </message>
    <message id="ov_a11y_previous">
        <source>Previous</source>
        <translation>前へ</translation>
    </message>
    <message id="ov_a11y_progress">
        <source>Progress</source>
        <translation>進行状況</translation>
    </message>
    <message id="ov_a11y_seconds_tens">
        <source>Seconds, tens digit</source>
        <translation>秒（十の位）</translation>
    </message>
    <message id="ov_a11y_seconds_units">
        <source>Seconds, units digit</source>
        <translation>秒（一の位）</translation>
    </message>
    <message id="ov_a11y_status">
        <source>Status</source>
        <translation>状態</translation>
    </message>
    <message id="ov_add">
        <source>Add</source>
        <translation>追加</translation>
    </message>
    <message id="ov_add_file_fail">
        <source>Upload failed</source>
        <translation>アップロードに失敗しました</translation>
    </message>
    <message id="ov_add_file_success">
        <source>Upload complete</source>
        <translation>アップロードが完了しました</translation>
    </message>
    <message id="ov_add_file_to_list">
        <source>Add files to the play list</source>
        <translation>再生リストにファイルを追加</translation>
    </message>
    <message id="ov_advanced">
        <source>Advanced settings</source>
        <translation>詳細設定</translation>
    </message>
    <message id="ov_already_normal_mode">
        <source>The device is already in hotspot mode</source>
        <translation>デバイスはすでにホットスポットモードです</translation>
    </message>
    <message id="ov_angle_adj">
        <source>Angle adjustment</source>
        <translation>角度調整</translation>
    </message>
    <message id="ov_angle_decrease">
        <source>One degree less</source>
        <translation>1 度減らす</translation>
    </message>
    <message id="ov_angle_increase">
        <source>One degree more</source>
        <translation>1 度増やす</translation>
    </message>
    <message id="ov_ap2sta_tip">
        <source>The device will join the selected Wi-Fi network and the current connection will close. Continue?</source>
        <translation>デバイスは選択した Wi-Fi ネットワークに接続し、現在の接続は切断されます。続行しますか？</translation>
    </message>
    <message id="ov_ap2stp_success">
        <source>The device is joining the Wi-Fi network. Connect this computer to the same network, then search for the device.</source>
        <translation>デバイスは Wi-Fi ネットワークに接続中です。このコンピュータを同じネットワークに接続してから、デバイスを検索してください。</translation>
    </message>
    <message id="ov_ask_delete_index">
        <source>Enter the number of the video to delete</source>
        <translation>削除する動画の番号を入力してください</translation>
    </message>
    <message id="ov_auto_start">
        <source>Auto start</source>
        <translation>自動再生</translation>
    </message>
    <message id="ov_back">
        <source>Back</source>
        <translation>戻る</translation>
    </message>
    <message id="ov_bottom_mask">
        <source>Bottom mask</source>
        <translation>下マスク</translation>
    </message>
    <message id="ov_bottom_mask_angle">
        <source>Bottom mask angle</source>
        <translation>下マスクの角度</translation>
    </message>
    <message id="ov_bottom_mask_long">
        <source>Bottom mask length</source>
        <translation>下マスクの長さ</translation>
    </message>
    <message id="ov_bottom_mix">
        <source>Bottom mixed mask</source>
        <translation>下部ミックスマスク</translation>
    </message>
    <message id="ov_breath">
        <source>Breathing light</source>
        <translation>ブリージングライト</translation>
    </message>
    <message id="ov_cancel">
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message id="ov_change_password_confirm">
        <source>Change the hotspot password? You will need the new password to connect again.</source>
        <translation>ホットスポットのパスワードを変更しますか？次回の接続には新しいパスワードが必要です。</translation>
    </message>
    <message id="ov_clear">
        <source>Clear</source>
        <translation>クリア</translation>
    </message>
    <message id="ov_clear_list_tip">
        <source>Clear the play list? Every video on it will be removed.</source>
        <translation>再生リストをクリアしますか？リスト内のすべての動画が削除されます。</translation>
    </message>
    <message id="ov_clear_playlist">
        <source>Clear the play list</source>
        <translation>再生リストをクリア</translation>
    </message>
    <message id="ov_close_4g_confirm">
        <source>Turn off 4G?</source>
        <translation>4G をオフにしますか？</translation>
    </message>
    <message id="ov_close_hot_spot_confirm">
        <source>Turn off the hotspot?</source>
        <translation>ホットスポットをオフにしますか？</translation>
    </message>
    <message id="ov_collapse">
        <source>Collapse</source>
        <translation>折りたたむ</translation>
    </message>
    <message id="ov_confirm">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="ov_confirm_delete">
        <source>Delete this item</source>
        <translation>削除しますか</translation>
    </message>
    <message id="ov_confirm_gap">
        <source>Change the interval between videos?</source>
        <translation>動画の切り替え間隔を変更しますか？</translation>
    </message>
    <message id="ov_confirm_operate">
        <source>Carry out this operation?</source>
        <translation>この操作を実行しますか？</translation>
    </message>
    <message id="ov_confirm_restart">
        <source>Restart the device?</source>
        <translation>デバイスを再起動しますか？</translation>
    </message>
    <message id="ov_confirm_set_speed">
        <source>Change the rotation speed?</source>
        <translation>回転速度を変更しますか？</translation>
    </message>
    <message id="ov_conn_bluetooth">
        <source>Bluetooth connection</source>
        <translation>Bluetooth 接続</translation>
    </message>
    <message id="ov_conn_fail_tip">
        <source>Could not connect to the device. Check that it is switched on and in range, then try again.</source>
        <translation>デバイスに接続できません。電源が入っていて範囲内にあることを確認してから、もう一度お試しください。</translation>
    </message>
    <message id="ov_conn_tip">
        <source>Choose how to connect to the device</source>
        <translation>デバイスへの接続方法を選択してください</translation>
    </message>
    <message id="ov_connect_device">
        <source>Connect device</source>
        <translation>デバイスに接続</translation>
    </message>
    <message id="ov_connect_failed">
        <source>Connection failed</source>
        <translation>接続に失敗しました</translation>
    </message>
    <message id="ov_connecting">
        <source>Connecting</source>
        <translation>接続中</translation>
    </message>
    <message id="ov_copy">
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message id="ov_cover_length">
        <source>Cover length</source>
        <translation>カバー長さ</translation>
    </message>
    <message id="ov_credit_line">
        <source>Orvane, the controller for holographic fan displays</source>
        <translation>Orvane ホログラムファンディスプレイ用コントローラー</translation>
    </message>
    <message id="ov_cut_transcode">
        <source>Cutting and converting the video</source>
        <translation>動画を分割して変換しています</translation>
    </message>
    <message id="ov_default_device_type">
        <source>Holographic fan</source>
        <translation>ホログラムファン</translation>
    </message>
    <message id="ov_delete_file_ensure">
        <source>Delete this file?</source>
        <translation>このファイルを削除しますか？</translation>
    </message>
    <message id="ov_delete_list_ensure">
        <source>Delete this play list?</source>
        <translation>この再生リストを削除しますか？</translation>
    </message>
    <message id="ov_delete_row_out_of_range">
        <source>Only the first 256 stored files can be deleted one by one; clear the list to remove the others</source>
        <translation>個別に削除できるのは保存されている最初の256個のファイルだけです。残りを削除するにはリストをクリアしてください</translation>
    </message>
    <message id="ov_detail">
        <source>Detail</source>
        <translation>詳細</translation>
    </message>
    <message id="ov_device_conn_net">
        <source>Connect the device to the network</source>
        <translation>デバイスをネットワークに接続</translation>
    </message>
    <message id="ov_device_hot_spot">
        <source>Device hotspot</source>
        <translation>デバイスのホットスポット</translation>
    </message>
    <message id="ov_device_is_ap">
        <source>Direct connection</source>
        <translation>直接接続</translation>
    </message>
    <message id="ov_device_is_ap_tip">
        <source>This computer joins the device's own Wi-Fi hotspot</source>
        <translation>このコンピュータをデバイス自身の Wi-Fi ホットスポットに接続します</translation>
    </message>
    <message id="ov_device_is_sta">
        <source>Network connection</source>
        <translation>ネットワーク接続</translation>
    </message>
    <message id="ov_device_is_sta_des">
        <source>The device and this computer are on the same router network</source>
        <translation>デバイスとこのコンピュータが同じルーターのネットワークにあります</translation>
    </message>
    <message id="ov_disconn_wifi">
        <source>Disconnect Wi-Fi</source>
        <translation>Wi-Fi を切断</translation>
    </message>
    <message id="ov_edit_list">
        <source>Edit play list</source>
        <translation>再生リストを編集</translation>
    </message>
    <message id="ov_enter_8_pure_int_password">
        <source>Enter a password of exactly 8 digits</source>
        <translation>8 桁の数字のみのパスワードを入力してください</translation>
    </message>
    <message id="ov_err_check">
        <source>Troubleshooting</source>
        <translation>トラブルシューティング</translation>
    </message>
    <message id="ov_fail">
        <source>Failed</source>
        <translation>失敗しました</translation>
    </message>
    <message id="ov_file_name">
        <source>File name</source>
        <translation>ファイル名</translation>
    </message>
    <message id="ov_file_name_duplicate">
        <source>A file with this name already exists</source>
        <translation>同じ名前のファイルが既にあります</translation>
    </message>
    <message id="ov_file_size">
        <source>Size</source>
        <translation>サイズ</translation>
    </message>
    <message id="ov_forbidden_close_4g">
        <source>4G cannot be turned off in the device's current hotspot state</source>
        <translation>現在のホットスポットの状態では 4G をオフにできません</translation>
    </message>
    <message id="ov_forget_password_hint">
        <source>The saved password was refused. Enter the device password again.</source>
        <translation>保存されたパスワードが拒否されました。デバイスのパスワードを再入力してください。</translation>
    </message>
    <message id="ov_forget_wifi">
        <source>Forgot the Wi-Fi password?</source>
        <translation>Wi-Fi パスワードをお忘れですか？</translation>
    </message>
    <message id="ov_help">
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message id="ov_help_ap_btn">
        <source>Hotspot mode: press the mode button on the device once.</source>
        <translation>ホットスポットモード：デバイスのモードボタンを 1 回押します。</translation>
    </message>
    <message id="ov_help_ap_light">
        <source>The indicator light stays on while the device's hotspot is active.</source>
        <translation>デバイスのホットスポットが有効な間、インジケーターが点灯します。</translation>
    </message>
    <message id="ov_help_pair_btn">
        <source>Network mode: hold the mode button until the indicator light flashes.</source>
        <translation>ネットワークモード：インジケーターが点滅するまでモードボタンを長押しします。</translation>
    </message>
    <message id="ov_help_pair_light">
        <source>The indicator light flashes while the device joins a network.</source>
        <translation>デバイスがネットワークに接続している間、インジケーターが点滅します。</translation>
    </message>
    <message id="ov_help_title">
        <source>Connection help</source>
        <translation>接続のヘルプ</translation>
    </message>
    <message id="ov_hot_spot_name">
        <source>Hotspot name</source>
        <translation>ホットスポット名</translation>
    </message>
    <message id="ov_hot_spot_password">
        <source>Hotspot password</source>
        <translation>ホットスポットのパスワード</translation>
    </message>
    <message id="ov_input_list_name">
        <source>Enter a name for the play list</source>
        <translation>再生リストの名前を入力してください</translation>
    </message>
    <message id="ov_invalid_file">
        <source>Unsupported file</source>
        <translation>サポートされていないファイル</translation>
    </message>
    <message id="ov_left_mask_angle">
        <source>Left mask angle</source>
        <translation>左マスクの角度</translation>
    </message>
    <message id="ov_left_mask_long">
        <source>Left mask length</source>
        <translation>左マスクの長さ</translation>
    </message>
    <message id="ov_light_adj">
        <source>Brightness</source>
        <translation>明るさ</translation>
    </message>
    <message id="ov_login_failed">
        <source>Sign-in failed</source>
        <translation>ログインに失敗しました</translation>
    </message>
    <message id="ov_login_tip">
        <source>Sign in to your cloud account</source>
        <translation>クラウドアカウントにログイン</translation>
    </message>
    <message id="ov_logout">
        <source>Sign out</source>
        <translation>ログアウト</translation>
    </message>
    <message id="ov_mask_mode">
        <source>Mask mode</source>
        <translation>マスクモード</translation>
    </message>
    <message id="ov_master">
        <source>Master</source>
        <translation>マスター</translation>
    </message>
    <message id="ov_move_down">
        <source>Move down</source>
        <translation>下へ移動</translation>
    </message>
    <message id="ov_move_up">
        <source>Move up</source>
        <translation>上へ移動</translation>
    </message>
    <message id="ov_multi_list">
        <source>Play lists</source>
        <translation>再生リスト一覧</translation>
    </message>
    <message id="ov_next">
        <source>Next</source>
        <translation>次へ</translation>
    </message>
    <message id="ov_no_mask">
        <source>No mask</source>
        <translation>マスクなし</translation>
    </message>
    <message id="ov_normal">
        <source>Normal</source>
        <translation>標準</translation>
    </message>
    <message id="ov_no_device_found">
        <source>No device found</source>
        <translation>デバイスが見つかりません</translation>
    </message>
    <message id="ov_not_selected_device">
        <source>Select a device first</source>
        <translation>先にデバイスを選択してください</translation>
    </message>
    <message id="ov_now_status">
        <source>Union role</source>
        <translation>連結での役割</translation>
    </message>
    <message id="ov_open_hot_spot_confirm_client">
        <source>Turn on the hotspot?</source>
        <translation>ホットスポットをオンにしますか？</translation>
    </message>
    <message id="ov_operation">
        <source>Actions</source>
        <translation>操作</translation>
    </message>
    <message id="ov_param_conf">
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message id="ov_password">
        <source>Password</source>
        <translation>パスワード</translation>
    </message>
    <message id="ov_path_nospace_tip">
        <source>The name must not contain spaces</source>
        <translation>名前にスペースは使用できません</translation>
    </message>
    <message id="ov_pause">
        <source>Pause</source>
        <translation>一時停止</translation>
    </message>
    <message id="ov_play">
        <source>Play</source>
        <translation>再生</translation>
    </message>
    <message id="ov_playing">
        <source>Playing</source>
        <translation>再生中</translation>
    </message>
    <message id="ov_playlist">
        <source>Play list</source>
        <translation>再生リスト</translation>
    </message>
    <message id="ov_power">
        <source>Power</source>
        <translation>電源</translation>
    </message>
    <message id="ov_previous">
        <source>Previous</source>
        <translation>前へ</translation>
    </message>
    <message id="ov_progress_failed">
        <source>Failed</source>
        <translation>失敗</translation>
    </message>
    <message id="ov_progress_failed_at">
        <source>Failed at %1</source>
        <translation>%1 で失敗</translation>
    </message>
    <message id="ov_progress_failed_at_reason">
        <source>Failed at %1: %2</source>
        <translation>%1 で失敗：%2</translation>
    </message>
    <message id="ov_progress_finished">
        <source>Complete</source>
        <translation>完了</translation>
    </message>
    <message id="ov_progress_running">
        <source>In progress: %1</source>
        <translation>進行中：%1</translation>
    </message>
    <message id="ov_psd">
        <source>Password</source>
        <translation>パスワード</translation>
    </message>
    <message id="ov_psd_wrong">
        <source>Wrong password: it must have at least 8 characters</source>
        <translation>パスワードが正しくありません：8 文字以上必要です</translation>
    </message>
    <message id="ov_radius_length">
        <source>Radius length</source>
        <translation>半径の長さ</translation>
    </message>
    <message id="ov_refresh">
        <source>Refresh</source>
        <translation>更新</translation>
    </message>
    <message id="ov_refresh_current_list">
        <source>Reload the play list from the device</source>
        <translation>デバイスから再生リストを再読み込み</translation>
    </message>
    <message id="ov_refresh_wifi_sync">
        <source>Refresh Wi-Fi sync</source>
        <translation>Wi-Fi 同期を更新</translation>
    </message>
    <message id="ov_remote">
        <source>Remote control</source>
        <translation>リモコン</translation>
    </message>
    <message id="ov_restart_device">
        <source>Restart device</source>
        <translation>デバイスを再起動</translation>
    </message>
    <message id="ov_right_mask_angle">
        <source>Right mask angle</source>
        <translation>右マスクの角度</translation>
    </message>
    <message id="ov_right_mask_long">
        <source>Right mask length</source>
        <translation>右マスクの長さ</translation>
    </message>
    <message id="ov_safe_stop">
        <source>Emergency stop</source>
        <translation>緊急停止</translation>
    </message>
    <message id="ov_sample_diamond">
        <source>Diamond</source>
        <translation>ダイヤ</translation>
    </message>
    <message id="ov_sample_figure">
        <source>Figure</source>
        <translation>図形</translation>
    </message>
    <message id="ov_sample_fish">
        <source>Fish</source>
        <translation>魚</translation>
    </message>
    <message id="ov_sample_loop">
        <source>Loop</source>
        <translation>ループ</translation>
    </message>
    <message id="ov_sample_ring">
        <source>Ring</source>
        <translation>リング</translation>
    </message>
    <message id="ov_save">
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message id="ov_save_changed_content">
        <source>Save the changes to the device</source>
        <translation>変更をデバイスに保存</translation>
    </message>
    <message id="ov_screen_movex">
        <source>Horizontal offset</source>
        <translation>水平オフセット</translation>
    </message>
    <message id="ov_screen_movey">
        <source>Vertical offset</source>
        <translation>垂直オフセット</translation>
    </message>
    <message id="ov_sd_remain">
        <source>Free storage</source>
        <translation>空き容量</translation>
    </message>
    <message id="ov_search">
        <source>Search</source>
        <translation>検索</translation>
    </message>
    <message id="ov_search_failed">
        <source>The device search could not run. Check the network connection and that no other program is searching for devices, then try again.</source>
        <translation>デバイスの検索を実行できませんでした。ネットワーク接続を確認し、ほかのプログラムがデバイスを検索していないことを確かめてから、もう一度お試しください。</translation>
    </message>
    <message id="ov_select_all">
        <source>Select all</source>
        <translation>すべて選択</translation>
    </message>
    <message id="ov_server_conn">
        <source>Server</source>
        <translation>接続サーバー</translation>
    </message>
    <message id="ov_service_tip">
        <source>Server</source>
        <translation>サーバー</translation>
    </message>
    <message id="ov_set_angle_error">
        <source>Could not set the angle</source>
        <translation>角度を設定できませんでした</translation>
    </message>
    <message id="ov_set_fail">
        <source>Setting failed</source>
        <translation>設定に失敗しました</translation>
    </message>
    <message id="ov_set_light_error">
        <source>Could not set the brightness</source>
        <translation>明るさを設定できませんでした</translation>
    </message>
    <message id="ov_set_light_success">
        <source>Brightness set</source>
        <translation>明るさを設定しました</translation>
    </message>
    <message id="ov_set_speed">
        <source>Rotation speed</source>
        <translation>回転速度</translation>
    </message>
    <message id="ov_set_success">
        <source>Setting applied</source>
        <translation>設定しました</translation>
    </message>
    <message id="ov_set_timer">
        <source>Timer</source>
        <translation>タイマー</translation>
    </message>
    <message id="ov_slave">
        <source>Slave</source>
        <translation>スレーブ</translation>
    </message>
    <message id="ov_spec_chars_tip">
        <source>The name must not contain ( ) &amp; ' ` ; # commas or line breaks</source>
        <translation>名前に ( ) &amp; ' ` ; # 、カンマ、改行は使用できません</translation>
    </message>
    <message id="ov_speed_fast">
        <source>Fast</source>
        <translation>高速</translation>
    </message>
    <message id="ov_speed_slow">
        <source>Slow</source>
        <translation>低速</translation>
    </message>
    <message id="ov_sta2ap">
        <source>Back to hotspot mode</source>
        <translation>ホットスポットモードに戻す</translation>
    </message>
    <message id="ov_sta2ap_success">
        <source>The device has left the Wi-Fi network and is back in hotspot mode.</source>
        <translation>デバイスは Wi-Fi ネットワークから切断され、ホットスポットモードに戻りました。</translation>
    </message>
    <message id="ov_sta_device_list">
        <source>Devices on the network</source>
        <translation>ネットワーク上のデバイス</translation>
    </message>
    <message id="ov_success">
        <source>Success</source>
        <translation>成功しました</translation>
    </message>
    <message id="ov_switch_gap">
        <source>Interval between videos</source>
        <translation>動画の切り替え間隔</translation>
    </message>
    <message id="ov_time_start">
        <source>Switch on at</source>
        <translation>オン時刻</translation>
    </message>
    <message id="ov_time_stop">
        <source>Switch off at</source>
        <translation>オフ時刻</translation>
    </message>
    <message id="ov_times">
        <source>Play count</source>
        <translation>再生回数</translation>
    </message>
    <message id="ov_top_mask">
        <source>Top mask</source>
        <translation>上マスク</translation>
    </message>
    <message id="ov_top_mask_angle">
        <source>Top mask angle</source>
        <translation>上マスクの角度</translation>
    </message>
    <message id="ov_top_mask_long">
        <source>Top mask length</source>
        <translation>上マスクの長さ</translation>
    </message>
    <message id="ov_union">
        <source>Unions</source>
        <translation>連結</translation>
    </message>
    <message id="ov_union_clear_video">
        <source>Clear play lists</source>
        <translation>再生リストをクリア</translation>
    </message>
    <message id="ov_union_close_mask">
        <source>Masks off</source>
        <translation>マスクをオフ</translation>
    </message>
    <message id="ov_union_columns">
        <source>Columns</source>
        <translation>列</translation>
    </message>
    <message id="ov_union_cut_upload">
        <source>Cut and upload video</source>
        <translation>動画を分割してアップロード</translation>
    </message>
    <message id="ov_union_default_mask">
        <source>Default masks</source>
        <translation>標準マスク</translation>
    </message>
    <message id="ov_union_delete_video">
        <source>Delete a video</source>
        <translation>動画を削除</translation>
    </message>
    <message id="ov_union_edit">
        <source>Edit union</source>
        <translation>連結を編集</translation>
    </message>
    <message id="ov_union_list_changed">
        <source>The union list was changed elsewhere. Open the list again and repeat your change.</source>
        <translation>連結の一覧が別の場所で変更されました。一覧を開き直して、変更をもう一度行ってください。</translation>
    </message>
    <message id="ov_union_name">
        <source>Union name</source>
        <translation>連結の名前</translation>
    </message>
    <message id="ov_union_open_mask">
        <source>Masks only</source>
        <translation>マスクのみオン</translation>
    </message>
    <message id="ov_union_refresh_ip">
        <source>Refresh addresses</source>
        <translation>アドレスを更新</translation>
    </message>
    <message id="ov_union_reverse">
        <source>Top-left fan in front</source>
        <translation>左上のファンを前面に</translation>
    </message>
    <message id="ov_union_rows">
        <source>Rows</source>
        <translation>行</translation>
    </message>
    <message id="ov_union_size_tip">
        <source>Rows and columns must be whole numbers</source>
        <translation>行と列には整数を入力してください</translation>
    </message>
    <message id="ov_union_sync_off">
        <source>Stop Wi-Fi sync</source>
        <translation>Wi-Fi 同期を停止</translation>
    </message>
    <message id="ov_union_sync_on">
        <source>Start Wi-Fi sync</source>
        <translation>Wi-Fi 同期を開始</translation>
    </message>
    <message id="ov_union_upload_cut">
        <source>Upload cut tiles</source>
        <translation>分割済みの動画をアップロード</translation>
    </message>
    <message id="ov_union_upload_same">
        <source>Upload one video to all</source>
        <translation>同じ動画をすべてにアップロード</translation>
    </message>
    <message id="ov_union_white_off">
        <source>White background off</source>
        <translation>白背景オフ</translation>
    </message>
    <message id="ov_union_white_on">
        <source>White background on</source>
        <translation>白背景オン</translation>
    </message>
    <message id="ov_unsupport_tip">
        <source>not supported by the device</source>
        <translation>デバイスが対応していません</translation>
    </message>
    <message id="ov_restarting">
        <source>The device is restarting</source>
        <translation>デバイスを再起動しています</translation>
    </message>
    <message id="ov_update_success">
        <source>Update uploaded. Reconnect once the device has restarted.</source>
        <translation>アップデートをアップロードしました。デバイスの再起動後に再接続してください。</translation>
    </message>
    <message id="ov_use">
        <source>Use</source>
        <translation>使用する</translation>
    </message>
    <message id="ov_username">
        <source>Account</source>
        <translation>アカウント</translation>
    </message>
    <message id="ov_using">
        <source>In use</source>
        <translation>使用中</translation>
    </message>
    <message id="ov_version_b">
        <source>Base version</source>
        <translation>ベースバージョン</translation>
    </message>
    <message id="ov_version_c">
        <source>Core version</source>
        <translation>コアバージョン</translation>
    </message>
    <message id="ov_version_f">
        <source>FPGA version</source>
        <translation>FPGA バージョン</translation>
    </message>
    <message id="ov_video_list">
        <source>Video list</source>
        <translation>動画リスト</translation>
    </message>
    <message id="ov_video_store">
        <source>Sample videos</source>
        <translation>サンプル動画</translation>
    </message>
    <message id="ov_volume_adj">
        <source>Volume</source>
        <translation>音量</translation>
    </message>
    <message id="ov_wait_for_search">
        <source>A device search is in progress. Please wait until it has finished, then try again.</source>
        <translation>デバイスを検索中です。完了してから、もう一度お試しください。</translation>
    </message>
    <message id="ov_wait_for_upload">
        <source>An upload is in progress. Please wait until it has finished.</source>
        <translation>アップロード中です。完了するまでお待ちください。</translation>
    </message>
    <message id="ov_white_bg">
        <source>White background</source>
        <translation>白背景</translation>
    </message>
    <message id="ov_wifi_name">
        <source>Wi-Fi network</source>
        <translation>Wi-Fi ネットワーク</translation>
    </message>
    <message id="ov_wifi_psd">
        <source>Wi-Fi password</source>
        <translation>Wi-Fi パスワード</translation>
    </message>
</context>
</TS>
