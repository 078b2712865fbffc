#include "PendingEditorItem.h"

#include "QXColor.h"
#include "QXView.h"

PendingEditorItem::PendingEditorItem(const QString &editorName, QWidget *parent)
    : FunctionConfigItem(parent)
{
    setObjectName(editorName);
    qxkit::setBgColor(this, qxkit::configLight());
}
