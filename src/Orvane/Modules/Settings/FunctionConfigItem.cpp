#include "FunctionConfigItem.h"

FunctionConfigItem::FunctionConfigItem(QWidget *parent)
    : QWidget(parent)
{
}

FunctionConfigItem::~FunctionConfigItem() = default;

std::shared_ptr<NetworkingDevice> FunctionConfigItem::device() const
{
    return m_device;
}

void FunctionConfigItem::setDevice(const std::shared_ptr<NetworkingDevice> &device)
{
    m_device = device;
}

InfoDisplayable *FunctionConfigItem::infoDisplayer() const
{
    return m_infoDisplayer;
}

void FunctionConfigItem::setInfoDisplayer(InfoDisplayable *infoDisplayer)
{
    m_infoDisplayer = infoDisplayer;
}
