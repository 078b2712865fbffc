#pragma once

#include <QString>

class QLabel;

// What a settings editor shows its success and failure texts through: the settings screen's info
// line. The line shows a text for a short while and then the device's Wi-Fi name again.
class InfoDisplayable
{
public:
    virtual ~InfoDisplayable() = default;

    // The info line itself; none when the adopter has no line.
    virtual QLabel *infoLabel() const = 0;
    // Shows the text as given. GUI thread.
    virtual void showInfo(const QString &text) = 0;
    // Shows the operator's-language text of a localisation key (the key itself when it has none).
    virtual void showLocalizedInfo(const QString &key) = 0;
};
