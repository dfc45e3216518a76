// Resource numbers of Quillon: dialog templates, controls, bitmaps, icon and
// strings. Shared by the resource script and the C++ sources.
#pragma once

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

// Dialog templates.
#define IDD_MESSAGE_BOX 104
#define IDD_READ_CARD 129
#define IDD_SHOW_USER_INFO 130
#define IDD_END 131
#define IDD_USER_CONTACT 165

#define IDI_QUILLON 133
#define IDS_SOCKETS_INIT_FAILED 103

// Button bitmaps, 87 x 25: normal, pressed, focused, disabled.
#define IDB_EXIT 138
#define IDB_NEXT 139
#define IDB_CONFIRM 140
#define IDB_BACK 141
#define IDB_RESTART 143
#define IDB_CANCEL 144
#define IDB_FINISH 145
#define IDB_NEXT_PRESSED 148
#define IDB_CANCEL_PRESSED 149
#define IDB_EXIT_PRESSED 150
#define IDB_FINISH_PRESSED 151
#define IDB_CONFIRM_PRESSED 152
#define IDB_BACK_PRESSED 153
#define IDB_RESTART_PRESSED 154
#define IDB_BACK_FOCUSED 156
#define IDB_RESTART_FOCUSED 157
#define IDB_CANCEL_FOCUSED 160
#define IDB_FINISH_FOCUSED 161
#define IDB_EXIT_FOCUSED 162
#define IDB_NEXT_FOCUSED 163
#define IDB_CONFIRM_FOCUSED 164
#define IDB_BACK_DISABLED 166
#define IDB_CONFIRM_DISABLED 167
#define IDB_NEXT_DISABLED 168
#define IDB_FINISH_DISABLED 170
#define IDB_CANCEL_DISABLED 171
#define IDB_RESTART_DISABLED 173

// Controls shared by the step templates (1016 is also the message box's label).
#define IDC_NEXT 1000
#define IDC_BACK 1001        // "上一步"; "取消" on the card step
#define IDC_DESCRIPTION 1016 // hidden description text
#define IDC_DESCRIPTION_EXTRA 1018

// Card step.
#define IDC_READ_CARD_LEFT 1024
#define IDC_READ_CARD_RIGHT 1025
#define IDC_READ_CARD_BOTTOM 1027

// Review step.
#define IDC_REVIEW_TEXT 1020
#define IDC_REVIEW_RIGHT 1027
#define IDC_REVIEW_LEFT 1028
#define IDC_REVIEW_BOTTOM 1029

// Contact step.
#define IDC_AREA_CODE 1020
#define IDC_ADDRESS 1021
#define IDC_POSTCODE 1022
#define IDC_PHONE 1023
#define IDC_CONTACT_LEFT 1024
#define IDC_EXTENSION 1025
#define IDC_CONTACT_RIGHT 1027
#define IDC_CONTACT_BOTTOM 1029
#define IDC_PHONE_LABEL 1036
#define IDC_ADDRESS_LABEL 1037
#define IDC_POSTCODE_LABEL 1038

// Outcome step.
#define IDC_RESTART 1009
#define IDC_FINISH 1010
#define IDC_EXIT 1021
#define IDC_OUTCOME_TEXT 1023
#define IDC_END_LEFT 1030
#define IDC_END_RIGHT 1031
#define IDC_END_BOTTOM 1032
