// The About box (dialog template 105): the about text as its caption and
// the language table's seven About lines.
#pragma once
#include "platform/win32/win32_api.h"
#include "settings/language_table.h"

// Modal; returns when the box is closed. The table must outlive the call.
void RunAboutBox(HWND owner, const LanguageTable& language);
