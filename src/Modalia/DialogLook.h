#pragma once

#include <QString>

#include <optional>

class QBoxLayout;
class QDialog;
class QLabel;
class QLineEdit;
class QWidget;
class QXButton;

namespace Modalia::look {

// The frame every dialog of the framework shares: the dark palette, a fixed width, deletion once
// finished, and the accessible name of its question.
void prepareDialog(QDialog *dialog, const QString &title, int width = 380);
// The wrapped, centred question text.
QLabel *titleLabel(const QString &text);
// A button titled by the given text, or by the localisation key when no text is given.
QXButton *button(const QString &objectName, const std::optional<QString> &title, const QString &fallbackKey);
// The text field set in its rounded dark box, frameless on a transparent base; returns the box.
QWidget *inputBox(QLineEdit *field, const QString &fieldObjectName);
// Cancel on the left, confirm on the right.
QBoxLayout *buttonRow(QWidget *cancel, QWidget *confirm);

} // namespace Modalia::look
