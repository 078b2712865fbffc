#pragma once

#include "MouseTrackingCell.h"
#include "MultyConnectProtocol.h"
#include "QXConnect.h"

#include <functional>
#include <memory>

class CoverBox;
class QLabel;
class QPushButton;
class QToolButton;
class QXButton;

// One row of the list of a fan's play lists: number, name, an in-use mark for the list the fan
// plays, and Use, Detail and Delete. The row sends use and delete itself, on the connection of
// its device, and reports each success through its blocks (on the GUI thread); the current
// list and the default list "playlist.txt" cannot be deleted from here.
class MultyListCell : public MouseTrackingCell, public QXConnect, public MultyConnectProtocol
{
    Q_OBJECT
public:
    static constexpr qreal kCurrentDetailLeading = 10.0;
    static constexpr qreal kDetailLeading = 90.0;

    explicit MultyListCell(QWidget *parent = nullptr);

    std::shared_ptr<NetworkingDevice> device() const override { return m_device; }
    void setDevice(std::shared_ptr<NetworkingDevice> device) { m_device = std::move(device); }

    void configure(qint64 index, const QString &name, bool isCurrent, bool isDefault);
    qint64 index() const { return m_index; }
    // Where Detail starts: in the place of Use when the list is current.
    qreal detailLeading() const;

    void setListChangeAction(std::function<void(qint64)> action) { m_listChangeAction = std::move(action); }
    void setListDeleteAction(std::function<void(qint64)> action) { m_listDeleteAction = std::move(action); }
    void setListDetailAction(std::function<void(qint64)> action) { m_listDetailAction = std::move(action); }

    QLabel *indexLabel() const { return m_indexLabel; }
    QLabel *nameLabel() const { return m_nameLabel; }
    QLabel *markLabel() const { return m_markLabel; }
    CoverBox *coverView() const { return m_coverView; }
    QXButton *useBtn() const { return m_useBtn; }
    QXButton *detailBtn() const { return m_detailBtn; }
    QToolButton *deleteBtn() const { return m_deleteBtn; }

public slots:
    void useAction();
    void detailAction();
    void deleteAction();

protected:
    void mouseEntered() override;
    void mouseExited() override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void deleteList();

    std::shared_ptr<NetworkingDevice> m_device;
    qint64 m_index = -1;
    std::function<void(qint64)> m_listChangeAction;
    std::function<void(qint64)> m_listDeleteAction;
    std::function<void(qint64)> m_listDetailAction;

    CoverBox *m_coverView;
    QLabel *m_indexLabel;
    QLabel *m_nameLabel;
    QLabel *m_markLabel;
    QXButton *m_useBtn;
    QXButton *m_detailBtn;
    QToolButton *m_deleteBtn;
};
