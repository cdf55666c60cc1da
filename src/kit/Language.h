#pragma once
// Numbered texts on Qt widgets.
//
// Each widget keeps its numbers in dynamic properties, so every language switch can apply them
// again:
//   "Tag"        the caption number (window title, label, button, group box, menu, action, tab page);
//   "ToolTipTag" the tooltip number.
// A menu, action or widget designed with its number as caption or tooltip gets that number moved
// into the property on the first translation. A missing, zero or non-numeric number leaves the
// caption or tooltip as designed.
#include <QString>

#include "model/AppState.h"

class QWidget;
class QObject;

namespace rp {

inline constexpr const char* kTagProperty = "Tag";
inline constexpr const char* kToolTipTagProperty = "ToolTipTag";

// GetLangStr as a QString.
QString LangStr(const AppState& state, int id);

// Puts the current language's texts (and font: text 20 at size text 21) on the window (the main
// window or a dialog) and every widget, menu, action and tab in it. Never fails: whatever lacks a
// number is left alone.
void SetFormLanguage(QWidget* frm, const AppState& state);

// Stores the numbers on a widget or action while its window is built.
void SetLangTag(QObject* obj, int captionNo, int toolTipNo = 0);

// "CommandOK" and "CommandCancel" of the window, found by name.
void SetOKCancelCaption(QWidget* frm, const AppState& state);

}  // namespace rp
