#pragma once

#include <QString>

// The text of an "ov_" localisation key in the installed translations; the key itself when no
// translation has it, so a missing entry is visible instead of blank. An empty key has no text.
// Every text shown to the operator is looked up here.
QString qxLocalized(const char *key);
QString qxLocalized(const QString &key);
