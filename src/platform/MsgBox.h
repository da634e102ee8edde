#pragma once

#include <QString>
#include <functional>

class QWidget;

// Message boxes shaped like the classic ones: a style made of buttons + icon + default button,
// combined with "|" (plain integers, so that any two parts combine without a cast).
namespace vb {
inline constexpr int OKOnly = 0, OKCancel = 1, YesNoCancel = 3, YesNo = 4;             // buttons
inline constexpr int Critical = 16, Question = 32, Exclamation = 48, Information = 64; // icon
inline constexpr int DefaultButton1 = 0, DefaultButton2 = 256, DefaultButton3 = 512;  // default
enum Answer { OK = 1, Cancel = 2, Yes = 6, No = 7 };
}

struct MessageRecord
{
    QString text;
    int style = 0;      // buttons | icon | default button
    QString title;
    int buttons() const { return style & 0x0F; }
    int icon() const { return style & 0xF0; }
    int defaultButton() const { return style & 0xF00; }
};

// Shows a modal message box and returns the answer (vb::Answer). A Yes/No box closed with
// Escape or its close box answers No; OK-only answers OK.
int MsgBox(const QString &text, int style = vb::OKOnly, const QString &title = QString());

// Tests install a handler that sees every message instead of a box and returns the answer.
using MessageHandler = std::function<int(const MessageRecord &)>;
void setMessageHandler(MessageHandler handler);   // an empty handler restores real boxes
