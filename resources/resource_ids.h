/* Numbers of the Windows resources that the program looks up itself and the
   control ids of its two dialogs. Read by the resource script and by the
   Windows host; the CustomData numbers live with the code that reads them. */
#ifndef QV_RESOURCE_IDS_H
#define QV_RESOURCE_IDS_H

#define IDI_QUORVAN 111
#define IDB_PREVIEW 118
#define IDB_DIALOG 119
#define IDR_AUDIO_LIBRARY 137
#define IDS_DESCRIPTION 1

#define IDD_ABOUT 105
#define IDD_CONFIG 115

/* Configuration dialog. */
#define IDC_VIDEO_MODE 1000
#define IDC_USE_DESKTOP 1001
#define IDC_ENABLE_MUSIC 1003
#define IDC_SHOW_TIME 1004
#define IDC_RESTORE_DEFAULTS 1006
#define IDC_VISIT 1007
#define IDC_ABOUT 1008
#define IDC_MOUSE_EXIT 1011
#define IDC_VOLUME_TEXT 1017
#define IDC_GALAXY 1023
#define IDC_VOLUME 1026
#define IDC_SHOW_FPS 1027
#define IDC_VSYNC 1028
#define IDC_GAMMA 1029
#define IDC_GAMMA_TEXT 1030
#define IDC_DEF_GAMMA 1032
#define IDC_CAMERA_SPEED 1033
#define IDC_WEB_SITE_TEXT 1035
#define IDC_WIDE_SCREEN 1036
#define IDC_HRS12 1037
#define IDC_HRS24 1038
#define IDC_VIDEO_GROUP 1040
#define IDC_OPTIONS_GROUP 1041
#define IDC_GAMMA_GROUP 1042
#define IDC_SOUND_GROUP 1043
#define IDC_PRODUCTS_GROUP 1044
#define IDC_SCENE_GROUP 1046
#define IDC_CAMERA_SPEED_TEXT 1047

/* About box: seven lines, 1049 to 1055. */
#define IDC_ABOUT_LINE_FIRST 1049

#endif
