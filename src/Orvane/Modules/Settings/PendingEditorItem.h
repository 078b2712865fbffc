#pragma once

#include "FunctionConfigItem.h"

// Holds the place of an editor that is not built yet: an empty panel of the editor's size,
// named after the editor's class, bound to the screen's device like every editor.
class PendingEditorItem : public FunctionConfigItem
{
    Q_OBJECT
public:
    explicit PendingEditorItem(const QString &editorName, QWidget *parent = nullptr);
    QString editorName() const { return objectName(); }
};
