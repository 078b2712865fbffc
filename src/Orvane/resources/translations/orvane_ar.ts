<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name></name>
    <message id="cloud_server_error">
        <source>Server error, please try again later</source>
        <translation>خطأ في الخادم، يُرجى المحاولة لاحقًا</translation>
    </message>
    <message id="ov_4g_network">
        <source>4G network</source>
        <translation>شبكة 4G</translation>
    </message>
    <message id="ov_a11y_choices">
        <source>Choices</source>
        <translation>الخيارات</translation>
    </message>
    <message id="ov_a11y_grid_empty">
        <source>Empty slot, row %1, column %2</source>
        <translation>خانة فارغة، الصف %1، العمود %2</translation>
    </message>
    <message id="ov_a11y_grid_fan">
        <source>%1, row %2, column %3</source>
        <translation>%1، الصف %2، العمود %3</translation>
    </message>
    <message id="ov_a11y_hours_tens">
        <source>Hours, tens digit</source>
        <translation>الساعات، خانة العشرات</translation>
    </message>
    <message id="ov_a11y_hours_units">
        <source>Hours, units digit</source>
        <translation>الساعات، خانة الآحاد</translation>
    </message>
    <message id="ov_a11y_language">
        <source>Language</source>
        <translation>اللغة</translation>
    </message>
    <message id="ov_a11y_menu">
        <source>Menu</source>
        <translation>القائمة</translation>
    </message>
    <message id="ov_a11y_minutes_tens">
        <source>Minutes, tens digit</source>
        <translation>الدقائق، خانة العشرات</translation>
    </message>
    <message id="ov_a11y_minutes_units">
        <source>Minutes, units digit</source>
        <translation>الدقائق، خانة الآحاد</translation>
    </message>
    <message id="ov_a11y_next">
        <source>Next</source>
        <translation>التالي</translation>
    </message>
    <message id="ov_a11y_play">
        <source>Play</source>
        <translation>تشغيل</translation>
    </message>
    <message id="ov_a11y_previous">
        <source>Previous</source>
        <translation>السابق</translation>
    </message>
    <message id="ov_a11y_progress">
        <source>Progress</source>
        <translation>التقدم</translation>
    </message>
    <message id="ov_a11y_seconds_tens">
        <source>Seconds, tens digit</source>
        <translation>الثواني، خانة العشرات</translation>
    </message>
    <message id="ov_a11y_seconds_units">
        <source>Seconds, units digit</source>
        <translation>الثواني، خانة الآحاد</translation>
    </message>
    <message id="ov_a11y_status">
        <source>Status</source>
        <translation>الحالة</translation>
    </message>
    <message id="ov_add">
        <source>Add</source>
        <translation>إضافة</translation>
    </message>
    <message id="ov_add_file_fail">
        <source>Upload failed</source>
        <translation>فشل الرفع</translation>
    </message>
    <message id="ov_add_file_success">
        <source>Upload complete</source>
        <translation>اكتمل الرفع</translation>
    </message>
    <message id="ov_add_file_to_list">
        <source>Add files to the play list</source>
        <translation>إضافة ملفات إلى قائمة التشغيل</translation>
    </message>
    <message id="ov_advanced">
        <source>Advanced settings</source>
        <translation>إعدادات متقدمة</translation>
    </message>
    <message id="ov_already_normal_mode">
        <source>The device is already in hotspot mode</source>
        <translation>الجهاز في وضع نقطة الاتصال بالفعل</translation>
    </message>
    <message id="ov_angle_adj">
        <source>Angle adjustment</source>
        <translation>ضبط الزاوية</translation>
    </message>
    <message id="ov_angle_decrease">
        <source>One degree less</source>
        <translation>درجة واحدة أقل</translation>
    </message>
    <message id="ov_angle_increase">
        <source>One degree more</source>
        <translation>درجة واحدة أكثر</translation>
    </message>
    <message id="ov_ap2sta_tip">
        <source>The device will join the selected Wi-Fi network and the current connection will close. Continue?</source>
        <translation>سينضم الجهاز إلى شبكة Wi-Fi المحددة وسيُغلق الاتصال الحالي. هل تريد المتابعة؟</translation>
    </message>
    <message id="ov_ap2stp_success">
        <source>The device is joining the Wi-Fi network. Connect this computer to the same network, then search for the device.</source>
        <translation>يجري انضمام الجهاز إلى شبكة Wi-Fi. صِل هذا الحاسوب بالشبكة نفسها ثم ابحث عن الجهاز.</translation>
    </message>
    <message id="ov_ask_delete_index">
        <source>Enter the number of the video to delete</source>
        <translation>أدخل رقم الفيديو المراد حذفه</translation>
    </message>
    <message id="ov_auto_start">
        <source>Auto start</source>
        <translation>التشغيل التلقائي</translation>
    </message>
    <message id="ov_back">
        <source>Back</source>
        <translation>رجوع</translation>
    </message>
    <message id="ov_bottom_mask">
        <source>Bottom mask</source>
        <translation>قناع سفلي</translation>
    </message>
    <message id="ov_bottom_mask_angle">
        <source>Bottom mask angle</source>
        <translation>زاوية القناع السفلي</translation>
    </message>
    <message id="ov_bottom_mask_long">
        <source>Bottom mask length</source>
        <translation>طول القناع السفلي</translation>
    </message>
    <message id="ov_bottom_mix">
        <source>Bottom mixed mask</source>
        <translation>قناع سفلي مختلط</translation>
    </message>
    <message id="ov_breath">
        <source>Breathing light</source>
        <translation>ضوء التنفس</translation>
    </message>
    <message id="ov_cancel">
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message id="ov_change_password_confirm">
        <source>Change the hotspot password? You will need the new password to connect again.</source>
        <translation>هل تريد تغيير كلمة مرور نقطة الاتصال؟ ستحتاج إلى كلمة المرور الجديدة للاتصال مجددًا.</translation>
    </message>
    <message id="ov_clear">
        <source>Clear</source>
        <translation>مسح</translation>
    </message>
    <message id="ov_clear_list_tip">
        <source>Clear the play list? Every video on it will be removed.</source>
        <translation>هل تريد مسح قائمة التشغيل؟ ستُزال كل مقاطع الفيديو منها.</translation>
    </message>
    <message id="ov_clear_playlist">
        <source>Clear the play list</source>
        <translation>مسح قائمة التشغيل</translation>
    </message>
    <message id="ov_close_4g_confirm">
        <source>Turn off 4G?</source>
        <translation>هل تريد إيقاف 4G؟</translation>
    </message>
    <message id="ov_close_hot_spot_confirm">
        <source>Turn off the hotspot?</source>
        <translation>هل تريد إيقاف نقطة الاتصال؟</translation>
    </message>
    <message id="ov_collapse">
        <source>Collapse</source>
        <translation>طيّ</translation>
    </message>
    <message id="ov_confirm">
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message id="ov_confirm_delete">
        <source>Delete this item</source>
        <translation>هل تريد حذف هذا العنصر</translation>
    </message>
    <message id="ov_confirm_gap">
        <source>Change the interval between videos?</source>
        <translation>هل تريد تغيير الفاصل بين مقاطع الفيديو؟</translation>
    </message>
    <message id="ov_confirm_operate">
        <source>Carry out this operation?</source>
        <translation>هل تريد تنفيذ هذه العملية؟</translation>
    </message>
    <message id="ov_confirm_restart">
        <source>Restart the device?</source>
        <translation>هل تريد إعادة تشغيل الجهاز؟</translation>
    </message>
    <message id="ov_confirm_set_speed">
        <source>Change the rotation speed?</source>
        <translation>هل تريد تغيير سرعة الدوران؟</translation>
    </message>
    <message id="ov_conn_bluetooth">
        <source>Bluetooth connection</source>
        <translation>اتصال بلوتوث</translation>
    </message>
    <message id="ov_conn_fail_tip">
        <source>Could not connect to the device. Check that it is switched on and in range, then try again.</source>
        <translation>تعذّر الاتصال بالجهاز. تأكد من أنه قيد التشغيل وضمن النطاق، ثم أعد المحاولة.</translation>
    </message>
    <message id="ov_conn_tip">
        <source>Choose how to connect to the device</source>
        <translation>اختر طريقة الاتصال بالجهاز</translation>
    </message>
    <message id="ov_connect_device">
        <source>Connect device</source>
        <translation>توصيل الجهاز</translation>
    </message>
    <message id="ov_connect_failed">
        <source>Connection failed</source>
        <translation>فشل الاتصال</translation>
    </message>
    <message id="ov_connecting">
        <source>Connecting</source>
        <translation>جارٍ الاتصال</translation>
    </message>
    <message id="ov_copy">
        <source>Copy</source>
        <translation>نسخ</translation>
    </message>
    <message id="ov_cover_length">
        <source>Cover length</source>
        <translation>طول التغطية</translation>
    </message>
    <message id="ov_credit_line">
        <source>Orvane, the controller for holographic fan displays</source>
        <translation>Orvane، وحدة التحكم بشاشات المراوح ثلاثية الأبعاد</translation>
    </message>
    <message id="ov_cut_transcode">
        <source>Cutting and converting the video</source>
        <translation>جارٍ تقطيع الفيديو وتحويله</translation>
    </message>
    <message id="ov_default_device_type">
        <source>Holographic fan</source>
        <translation>مروحة ثلاثية الأبعاد</translation>
    </message>
    <message id="ov_delete_file_ensure">
        <source>Delete this file?</source>
        <translation>هل تريد حذف هذا الملف؟</translation>
    </message>
    <message id="ov_delete_list_ensure">
        <source>Delete this play list?</source>
        <translation>هل تريد حذف قائمة التشغيل هذه؟</translation>
    </message>
    <message id="ov_delete_row_out_of_range">
        <source>Only the first 256 stored files can be deleted one by one; clear the list to remove the others</source>
        <translation>يمكن حذف أول 256 ملفًا مخزنًا فقط واحدًا تلو الآخر؛ امسح القائمة لإزالة الباقي</translation>
    </message>
    <message id="ov_detail">
        <source>Detail</source>
        <translation>التفاصيل</translation>
    </message>
    <message id="ov_device_conn_net">
        <source>Connect the device to the network</source>
        <translation>توصيل الجهاز بالشبكة</translation>
    </message>
    <message id="ov_device_hot_spot">
        <source>Device hotspot</source>
        <translation>نقطة اتصال الجهاز</translation>
    </message>
    <message id="ov_device_is_ap">
        <source>Direct connection</source>
        <translation>اتصال مباشر</translation>
    </message>
    <message id="ov_device_is_ap_tip">
        <source>This computer joins the device's own Wi-Fi hotspot</source>
        <translation>يتصل هذا الحاسوب بنقطة اتصال Wi-Fi الخاصة بالجهاز</translation>
    </message>
    <message id="ov_device_is_sta">
        <source>Network connection</source>
        <translation>اتصال عبر الشبكة</translation>
    </message>
    <message id="ov_device_is_sta_des">
        <source>The device and this computer are on the same router network</source>
        <translation>الجهاز وهذا الحاسوب متصلان بشبكة الموجّه نفسها</translation>
    </message>
    <message id="ov_disconn_wifi">
        <source>Disconnect Wi-Fi</source>
        <translation>قطع اتصال Wi-Fi</translation>
    </message>
    <message id="ov_edit_list">
        <source>Edit play list</source>
        <translation>تعديل قائمة التشغيل</translation>
    </message>
    <message id="ov_enter_8_pure_int_password">
        <source>Enter a password of exactly 8 digits</source>
        <translation>أدخل كلمة مرور من 8 أرقام بالضبط</translation>
    </message>
    <message id="ov_err_check">
        <source>Troubleshooting</source>
        <translation>استكشاف الأخطاء وإصلاحها</translation>
    </message>
    <message id="ov_fail">
        <source>Failed</source>
        <translation>فشل</translation>
    </message>
    <message id="ov_file_name">
        <source>File name</source>
        <translation>اسم الملف</translation>
    </message>
    <message id="ov_file_name_duplicate">
        <source>A file with this name already exists</source>
        <translation>يوجد ملف بهذا الاسم بالفعل</translation>
    </message>
    <message id="ov_file_size">
        <source>Size</source>
        <translation>الحجم</translation>
    </message>
    <message id="ov_forbidden_close_4g">
        <source>4G cannot be turned off in the device's current hotspot state</source>
        <translation>لا يمكن إيقاف 4G في حالة نقطة الاتصال الحالية للجهاز</translation>
    </message>
    <message id="ov_forget_password_hint">
        <source>The saved password was refused. Enter the device password again.</source>
        <translation>رُفضت كلمة المرور المحفوظة. أدخل كلمة مرور الجهاز مجددًا.</translation>
    </message>
    <message id="ov_forget_wifi">
        <source>Forgot the Wi-Fi password?</source>
        <translation>هل نسيت كلمة مرور Wi-Fi؟</translation>
    </message>
    <message id="ov_help">
        <source>Help</source>
        <translation>مساعدة</translation>
    </message>
    <message id="ov_help_ap_btn">
        <source>Hotspot mode: press the mode button on the device once.</source>
        <translation>وضع نقطة الاتصال: اضغط زر الوضع في الجهاز مرة واحدة.</translation>
    </message>
    <message id="ov_help_ap_light">
        <source>The indicator light stays on while the device's hotspot is active.</source>
        <translation>يبقى المؤشر الضوئي مضاءً ما دامت نقطة اتصال الجهاز نشطة.</translation>
    </message>
    <message id="ov_help_pair_btn">
        <source>Network mode: hold the mode button until the indicator light flashes.</source>
        <translation>وضع الشبكة: اضغط مطولًا على زر الوضع حتى يومض المؤشر الضوئي.</translation>
    </message>
    <message id="ov_help_pair_light">
        <source>The indicator light flashes while the device joins a network.</source>
        <translation>يومض المؤشر الضوئي أثناء انضمام الجهاز إلى شبكة.</translation>
    </message>
    <message id="ov_help_title">
        <source>Connection help</source>
        <translation>مساعدة الاتصال</translation>
    </message>
    <message id="ov_hot_spot_name">
        <source>Hotspot name</source>
        <translation>اسم نقطة الاتصال</translation>
    </message>
    <message id="ov_hot_spot_password">
        <source>Hotspot password</source>
        <translation>كلمة مرور نقطة الاتصال</translation>
    </message>
    <message id="ov_input_list_name">
        <source>Enter a name for the play list</source>
        <translation>أدخل اسمًا لقائمة التشغيل</translation>
    </message>
    <message id="ov_invalid_file">
        <source>Unsupported file</source>
        <translation>ملف غير مدعوم</translation>
    </message>
    <message id="ov_left_mask_angle">
        <source>Left mask angle</source>
        <translation>زاوية القناع الأيسر</translation>
    </message>
    <message id="ov_left_mask_long">
        <source>Left mask length</source>
        <translation>طول القناع الأيسر</translation>
    </message>
    <message id="ov_light_adj">
        <source>Brightness</source>
        <translation>السطوع</translation>
    </message>
    <message id="ov_login_failed">
        <source>Sign-in failed</source>
        <translation>فشل تسجيل الدخول</translation>
    </message>
    <message id="ov_login_tip">
        <source>Sign in to your cloud account</source>
        <translation>سجّل الدخول إلى حسابك السحابي</translation>
    </message>
    <message id="ov_logout">
        <source>Sign out</source>
        <translation>تسجيل الخروج</translation>
    </message>
    <message id="ov_mask_mode">
        <source>Mask mode</source>
        <translation>وضع القناع</translation>
    </message>
    <message id="ov_master">
        <source>Master</source>
        <translation>رئيسي</translation>
    </message>
    <message id="ov_move_down">
        <source>Move down</source>
        <translation>نقل لأسفل</translation>
    </message>
    <message id="ov_move_up">
        <source>Move up</source>
        <translation>نقل لأعلى</translation>
    </message>
    <message id="ov_multi_list">
        <source>Play lists</source>
        <translation>قوائم التشغيل</translation>
    </message>
    <message id="ov_next">
        <source>Next</source>
        <translation>التالي</translation>
    </message>
    <message id="ov_no_mask">
        <source>No mask</source>
        <translation>بلا قناع</translation>
    </message>
    <message id="ov_normal">
        <source>Normal</source>
        <translation>عادي</translation>
    </message>
    <message id="ov_no_device_found">
        <source>No device found</source>
        <translation>لم يتم العثور على أي جهاز</translation>
    </message>
    <message id="ov_not_selected_device">
        <source>Select a device first</source>
        <translation>اختر جهازًا أولًا</translation>
    </message>
    <message id="ov_now_status">
        <source>Union role</source>
        <translation>الدور في الاتحاد</translation>
    </message>
    <message id="ov_open_hot_spot_confirm_client">
        <source>Turn on the hotspot?</source>
        <translation>هل تريد تشغيل نقطة الاتصال؟</translation>
    </message>
    <message id="ov_operation">
        <source>Actions</source>
        <translation>إجراءات</translation>
    </message>
    <message id="ov_param_conf">
        <source>Settings</source>
        <translation>الإعدادات</translation>
    </message>
    <message id="ov_password">
        <source>Password</source>
        <translation>كلمة المرور</translation>
    </message>
    <message id="ov_path_nospace_tip">
        <source>The name must not contain spaces</source>
        <translation>يجب ألا يحتوي الاسم على مسافات</translation>
    </message>
    <message id="ov_pause">
        <source>Pause</source>
        <translation>إيقاف مؤقت</translation>
    </message>
    <message id="ov_play">
        <source>Play</source>
        <translation>تشغيل</translation>
    </message>
    <message id="ov_playing">
        <source>Playing</source>
        <translation>قيد التشغيل</translation>
    </message>
    <message id="ov_playlist">
        <source>Play list</source>
        <translation>قائمة التشغيل</translation>
    </message>
    <message id="ov_power">
        <source>Power</source>
        <translation>الطاقة</translation>
    </message>
    <message id="ov_previous">
        <source>Previous</source>
        <translation>السابق</translation>
    </message>
    <message id="ov_progress_failed">
        <source>Failed</source>
        <translation>فشل</translation>
    </message>
    <message id="ov_progress_failed_at">
        <source>Failed at %1</source>
        <translation>فشل عند %1</translation>
    </message>
    <message id="ov_progress_failed_at_reason">
        <source>Failed at %1: %2</source>
        <translation>فشل عند %1: %2</translation>
    </message>
    <message id="ov_progress_finished">
        <source>Complete</source>
        <translation>اكتمل</translation>
    </message>
    <message id="ov_progress_running">
        <source>In progress: %1</source>
        <translation>قيد التنفيذ: %1</translation>
    </message>
    <message id="ov_psd">
        <source>Password</source>
        <translation>كلمة المرور</translation>
    </message>
    <message id="ov_psd_wrong">
        <source>Wrong password: it must have at least 8 characters</source>
        <translation>كلمة المرور غير صحيحة: يجب ألا تقل عن 8 أحرف</translation>
    </message>
    <message id="ov_radius_length">
        <source>Radius length</source>
        <translation>طول نصف القطر</translation>
    </message>
    <message id="ov_refresh">
        <source>Refresh</source>
        <translation>تحديث</translation>
    </message>
    <message id="ov_refresh_current_list">
        <source>Reload the play list from the device</source>
        <translation>إعادة تحميل قائمة التشغيل من الجهاز</translation>
    </message>
    <message id="ov_refresh_wifi_sync">
        <source>Refresh Wi-Fi sync</source>
        <translation>تحديث مزامنة Wi-Fi</translation>
    </message>
    <message id="ov_remote">
        <source>Remote control</source>
        <translation>جهاز التحكم عن بعد</translation>
    </message>
    <message id="ov_restart_device">
        <source>Restart device</source>
        <translation>إعادة تشغيل الجهاز</translation>
    </message>
    <message id="ov_right_mask_angle">
        <source>Right mask angle</source>
        <translation>زاوية القناع الأيمن</translation>
    </message>
    <message id="ov_right_mask_long">
        <source>Right mask length</source>
        <translation>طول القناع الأيمن</translation>
    </message>
    <message id="ov_safe_stop">
        <source>Emergency stop</source>
        <translation>إيقاف طارئ</translation>
    </message>
    <message id="ov_sample_diamond">
        <source>Diamond</source>
        <translation>معيّن</translation>
    </message>
    <message id="ov_sample_figure">
        <source>Figure</source>
        <translation>شكل</translation>
    </message>
    <message id="ov_sample_fish">
        <source>Fish</source>
        <translation>سمكة</translation>
    </message>
    <message id="ov_sample_loop">
        <source>Loop</source>
        <translation>حلقة</translation>
    </message>
    <message id="ov_sample_ring">
        <source>Ring</source>
        <translation>حلقات</translation>
    </message>
    <message id="ov_save">
        <source>Save</source>
        <translation>حفظ</translation>
    </message>
    <message id="ov_save_changed_content">
        <source>Save the changes to the device</source>
        <translation>حفظ التغييرات على الجهاز</translation>
    </message>
    <message id="ov_screen_movex">
        <source>Horizontal offset</source>
        <translation>الإزاحة الأفقية</translation>
    </message>
    <message id="ov_screen_movey">
        <source>Vertical offset</source>
        <translation>الإزاحة الرأسية</translation>
    </message>
    <message id="ov_sd_remain">
        <source>Free storage</source>
        <translation>المساحة المتاحة</translation>
    </message>
    <message id="ov_search">
        <source>Search</source>
        <translation>بحث</translation>
    </message>
    <message id="ov_search_failed">
        <source>The device search could not run. Check the network connection and that no other program is searching for devices, then try again.</source>
        <translation>تعذّر تشغيل البحث عن الأجهزة. تحقّق من اتصال الشبكة ومن عدم وجود برنامج آخر يبحث عن الأجهزة، ثم أعد المحاولة.</translation>
    </message>
    <message id="ov_select_all">
        <source>Select all</source>
        <translation>تحديد الكل</translation>
    </message>
    <message id="ov_server_conn">
        <source>Server</source>
        <translation>الخادم</translation>
    </message>
    <message id="ov_service_tip">
        <source>Server</source>
        <translation>الخادم</translation>
    </message>
    <message id="ov_set_angle_error">
        <source>Could not set the angle</source>
        <translation>تعذّر ضبط الزاوية</translation>
    </message>
    <message id="ov_set_fail">
        <source>Setting failed</source>
        <translation>فشل الضبط</translation>
    </message>
    <message id="ov_set_light_error">
        <source>Could not set the brightness</source>
        <translation>تعذّر ضبط السطوع</translation>
    </message>
    <message id="ov_set_light_success">
        <source>Brightness set</source>
        <translation>تم ضبط السطوع</translation>
    </message>
    <message id="ov_set_speed">
        <source>Rotation speed</source>
        <translation>سرعة الدوران</translation>
    </message>
    <message id="ov_set_success">
        <source>Setting applied</source>
        <translation>تم تطبيق الإعداد</translation>
    </message>
    <message id="ov_set_timer">
        <source>Timer</source>
        <translation>المؤقت</translation>
    </message>
    <message id="ov_slave">
        <source>Slave</source>
        <translation>تابع</translation>
    </message>
    <message id="ov_spec_chars_tip">
        <source>The name must not contain ( ) &amp; ' ` ; # commas or line breaks</source>
        <translation>يجب ألا يحتوي الاسم على ( ) &amp; ' ` ; # أو فواصل أو فواصل أسطر</translation>
    </message>
    <message id="ov_speed_fast">
        <source>Fast</source>
        <translation>سريع</translation>
    </message>
    <message id="ov_speed_slow">
        <source>Slow</source>
        <translation>بطيء</translation>
    </message>
    <message id="ov_sta2ap">
        <source>Back to hotspot mode</source>
        <translation>العودة إلى وضع نقطة الاتصال</translation>
    </message>
    <message id="ov_sta2ap_success">
        <source>The device has left the Wi-Fi network and is back in hotspot mode.</source>
        <translation>غادر الجهاز شبكة Wi-Fi وعاد إلى وضع نقطة الاتصال.</translation>
    </message>
    <message id="ov_sta_device_list">
        <source>Devices on the network</source>
        <translation>الأجهزة على الشبكة</translation>
    </message>
    <message id="ov_success">
        <source>Success</source>
        <translation>تم بنجاح</translation>
    </message>
    <message id="ov_switch_gap">
        <source>Interval between videos</source>
        <translation>الفاصل بين مقاطع الفيديو</translation>
    </message>
    <message id="ov_time_start">
        <source>Switch on at</source>
        <translation>وقت التشغيل</translation>
    </message>
    <message id="ov_time_stop">
        <source>Switch off at</source>
        <translation>وقت الإيقاف</translation>
    </message>
    <message id="ov_times">
        <source>Play count</source>
        <translation>عدد مرات التشغيل</translation>
    </message>
    <message id="ov_top_mask">
        <source>Top mask</source>
        <translation>قناع علوي</translation>
    </message>
    <message id="ov_top_mask_angle">
        <source>Top mask angle</source>
        <translation>زاوية القناع العلوي</translation>
    </message>
    <message id="ov_top_mask_long">
        <source>Top mask length</source>
        <translation>طول القناع العلوي</translation>
    </message>
    <message id="ov_union">
        <source>Unions</source>
        <translation>الاتحادات</translation>
    </message>
    <message id="ov_union_clear_video">
        <source>Clear play lists</source>
        <translation>مسح قوائم التشغيل</translation>
    </message>
    <message id="ov_union_close_mask">
        <source>Masks off</source>
        <translation>إيقاف الأقنعة</translation>
    </message>
    <message id="ov_union_columns">
        <source>Columns</source>
        <translation>الأعمدة</translation>
    </message>
    <message id="ov_union_cut_upload">
        <source>Cut and upload video</source>
        <translation>تقطيع الفيديو ورفعه</translation>
    </message>
    <message id="ov_union_default_mask">
        <source>Default masks</source>
        <translation>الأقنعة الافتراضية</translation>
    </message>
    <message id="ov_union_delete_video">
        <source>Delete a video</source>
        <translation>حذف فيديو</translation>
    </message>
    <message id="ov_union_edit">
        <source>Edit union</source>
        <translation>تعديل الاتحاد</translation>
    </message>
    <message id="ov_union_list_changed">
        <source>The union list was changed elsewhere. Open the list again and repeat your change.</source>
        <translation>تم تغيير قائمة الاتحادات في مكان آخر. افتح القائمة مرة أخرى وكرّر التغيير.</translation>
    </message>
    <message id="ov_union_name">
        <source>Union name</source>
        <translation>اسم الاتحاد</translation>
    </message>
    <message id="ov_union_open_mask">
        <source>Masks only</source>
        <translation>تشغيل الأقنعة فقط</translation>
    </message>
    <message id="ov_union_refresh_ip">
        <source>Refresh addresses</source>
        <translation>تحديث العناوين</translation>
    </message>
    <message id="ov_union_reverse">
        <source>Top-left fan in front</source>
        <translation>المروحة العلوية اليسرى في المقدمة</translation>
    </message>
    <message id="ov_union_rows">
        <source>Rows</source>
        <translation>الصفوف</translation>
    </message>
    <message id="ov_union_size_tip">
        <source>Rows and columns must be whole numbers</source>
        <translation>يجب أن تكون الصفوف والأعمدة أعدادًا صحيحة</translation>
    </message>
    <message id="ov_union_sync_off">
        <source>Stop Wi-Fi sync</source>
        <translation>إيقاف مزامنة Wi-Fi</translation>
    </message>
    <message id="ov_union_sync_on">
        <source>Start Wi-Fi sync</source>
        <translation>بدء مزامنة Wi-Fi</translation>
    </message>
    <message id="ov_union_upload_cut">
        <source>Upload cut tiles</source>
        <translation>رفع المقاطع المقطّعة</translation>
    </message>
    <message id="ov_union_upload_same">
        <source>Upload one video to all</source>
        <translation>رفع فيديو واحد إلى الكل</translation>
    </message>
    <message id="ov_union_white_off">
        <source>White background off</source>
        <translation>إيقاف الخلفية البيضاء</translation>
    </message>
    <message id="ov_union_white_on">
        <source>White background on</source>
        <translation>تشغيل الخلفية البيضاء</translation>
    </message>
    <message id="ov_unsupport_tip">
        <source>not supported by the device</source>
        <translation>غير مدعوم على الجهاز</translation>
    </message>
    <message id="ov_restarting">
        <source>The device is restarting</source>
        <translation>الجهاز قيد إعادة التشغيل</translation>
    </message>
    <message id="ov_update_success">
        <source>Update uploaded. Reconnect once the device has restarted.</source>
        <translation>تم رفع التحديث. أعد الاتصال بعد إعادة تشغيل الجهاز.</translation>
    </message>
    <message id="ov_use">
        <source>Use</source>
        <translation>استخدام</translation>
    </message>
    <message id="ov_username">
        <source>Account</source>
        <translation>الحساب</translation>
    </message>
    <message id="ov_using">
        <source>In use</source>
        <translation>قيد الاستخدام</translation>
    </message>
    <message id="ov_version_b">
        <source>Base version</source>
        <translation>إصدار القاعدة</translation>
    </message>
    <message id="ov_version_c">
        <source>Core version</source>
        <translation>إصدار النواة</translation>
    </message>
    <message id="ov_version_f">
        <source>FPGA version</source>
        <translation>إصدار FPGA</translation>
    </message>
    <message id="ov_video_list">
        <source>Video list</source>
        <translation>قائمة الفيديو</translation>
    </message>
    <message id="ov_video_store">
        <source>Sample videos</source>
        <translation>مقاطع فيديو نموذجية</translation>
    </message>
    <message id="ov_volume_adj">
        <source>Volume</source>
        <translation>مستوى الصوت</translation>
    </message>
    <message id="ov_wait_for_search">
        <source>A device search is in progress. Please wait until it has finished, then try again.</source>
        <translation>يجري البحث عن الأجهزة حاليًا. يُرجى الانتظار حتى ينتهي ثم المحاولة مرة أخرى.</translation>
    </message>
    <message id="ov_wait_for_upload">
        <source>An upload is in progress. Please wait until it has finished.</source>
        <translation>يجري رفع ملف حاليًا. يُرجى الانتظار حتى ينتهي.</translation>
    </message>
    <message id="ov_white_bg">
        <source>White background</source>
        <translation>خلفية بيضاء</translation>
    </message>
    <message id="ov_wifi_name">
        <source>Wi-Fi network</source>
        <translation>شبكة Wi-Fi</translation>
    </message>
    <message id="ov_wifi_psd">
        <source>Wi-Fi password</source>
        <translation>كلمة مرور Wi-Fi</translation>
    </message>
</context>
</TS>
