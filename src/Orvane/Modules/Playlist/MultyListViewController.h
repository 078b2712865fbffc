#pragma once

#include "Core/BaseViewController.h"
#include "MultyConnectProtocol.h"
#include "QXConnect.h"

#include <QStringList>

#include <memory>

class MultyListCell;
class QLabel;
class QXButton;
class RowColumnView;

// The named play lists of a fan that keeps several: their names in the fan's order, which one
// it plays, and per row use, open and delete (MultyListCell). From here the operator also makes
// a new list in the editor and browses the stored videos. The index of the current list lives
// in the device record's status, shared with the play-list screen and the editor; this screen
// reads it from the fan at each appearance and moves it down when a list before it is deleted.
//
// Socket answers arrive on the socket threads; the screen moves all its work to the GUI thread.
class MultyListViewController : public BaseViewController, public QXConnect, public MultyConnectProtocol
{
    Q_OBJECT
public:
    static constexpr qreal kRowHeight = 54.0;

    explicit MultyListViewController(std::shared_ptr<NetworkingDevice> device = nullptr, QWidget *parent = nullptr);
    ~MultyListViewController() override;

    std::shared_ptr<NetworkingDevice> device() const override { return m_device; }
    void setDevice(std::shared_ptr<NetworkingDevice> device) { m_device = std::move(device); }

    QStringList lists() const { return m_lists; }
    MultyListCell *cellAt(int row) const;

    QLabel *infoLabel() const { return m_infoLabel; }
    QXButton *backBtn() const { return m_backBtn; }
    QXButton *addBtn() const { return m_addBtn; }
    QXButton *videoBtn() const { return m_videoBtn; }
    QXButton *refreshBtn() const { return m_refreshBtn; }
    RowColumnView *listTable() const { return m_listTable; }

public slots:
    void backAction();
    void addBtnAction();
    void videoBtnAction();
    void refreshBtnAction();
    // Reads the current index, then the names, from the fan.
    void loadPlayLists();

protected:
    void initUI() override;
    void initSocket() override;

private:
    void buildLayout();
    void fillRow(MultyListCell *cell, int row);
    void listDeleted(qint64 index);
    void openEditor(const QVariantMap &data);
    void setListIndex(qint64 index);

    std::shared_ptr<NetworkingDevice> m_device;
    QStringList m_lists;

    QLabel *m_infoLabel = nullptr;
    QXButton *m_backBtn = nullptr;
    QXButton *m_addBtn = nullptr;
    QXButton *m_videoBtn = nullptr;
    QXButton *m_refreshBtn = nullptr;
    RowColumnView *m_listTable = nullptr;
};
