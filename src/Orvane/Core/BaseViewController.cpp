#include "BaseViewController.h"

#include "Utils.h"

BaseViewController::BaseViewController(QWidget *parent)
    : QWidget(parent)
{
}

void BaseViewController::loadViewIfNeeded()
{
    if (m_viewLoaded)
        return;
    m_viewLoaded = true;
    viewDidLoad();
}

bool BaseViewController::isViewLoaded() const
{
    return m_viewLoaded;
}

Utils *BaseViewController::utils() const
{
    return m_utils;
}

void BaseViewController::dealFileSocketDisconnectEvent(const QVariant &)
{
}

void BaseViewController::viewDidLoad()
{
    initData();
    initUI();
}

void BaseViewController::initData()
{
    m_utils = Utils::shareInstance();
}

void BaseViewController::initUI()
{
}

void BaseViewController::initSocket()
{
}

void BaseViewController::showEvent(QShowEvent *event)
{
    loadViewIfNeeded();
    QWidget::showEvent(event);
    initSocket();
}
