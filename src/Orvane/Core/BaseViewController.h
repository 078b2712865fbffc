#pragma once

#include <QVariant>
#include <QWidget>

class Utils;

// The base of the older screens: set-up hooks run once when the screen loads (initData, then
// initUI) and initSocket each time it is about to appear.
class BaseViewController : public QWidget
{
    Q_OBJECT
public:
    explicit BaseViewController(QWidget *parent = nullptr);

    // Runs viewDidLoad once; called by whoever creates the screen, and at the latest when it is
    // first shown.
    void loadViewIfNeeded();
    bool isViewLoaded() const;

    Utils *utils() const;

    virtual void dealFileSocketDisconnectEvent(const QVariant &event);

protected:
    virtual void viewDidLoad();
    virtual void initData();
    virtual void initUI();
    virtual void initSocket();

    void showEvent(QShowEvent *event) override;

private:
    Utils *m_utils = nullptr;
    bool m_viewLoaded = false;
};
