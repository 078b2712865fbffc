#pragma once

#include "QXUdpSocket.h"
#include "UnionContainerDelegate.h"
#include "UnionData.h"

#include <QList>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

class NetworkingDevice;
class QCheckBox;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QScrollArea;
class RowColumnView;
class UnionContainer;
class UnionDeviceCell;

// Creates a union or changes a stored one: its name, rows and columns, top flag, and which found
// fan sits in which slot (select a fan in the list, then click a slot). The grid works on a copy
// of the union's fans, so the union shown elsewhere changes only through a successful save.
// Saving asks which fan is the master and stores the union in the union list file; the editor
// then hands the saved union to its completion and leaves its navigation container.
class UnionEditViewController : public QWidget, public UnionContainerDelegate
{
    Q_OBJECT
public:
    using SaveCompletion = std::function<void(const std::shared_ptr<UnionData> &saved)>;
    static constexpr double kSearchSeconds = 5.0;
    static constexpr int kItemWidth = 100;

    // Without a union the editor makes a new one. The fans are searched with `socket` (the
    // shared discovery socket when none is given), whose last results are listed at once.
    UnionEditViewController(std::shared_ptr<UnionData> data, SaveCompletion saveCompletion,
                            QXUdpSocket *socket = nullptr, QWidget *parent = nullptr);

    QXUdpSocket &socket() const { return *m_socket; }
    QList<std::shared_ptr<NetworkingDevice>> searchedDevices() const { return m_searchedDevices; }
    // The store file written into the saved union.
    QString url() const { return m_url; }
    std::shared_ptr<UnionData> data() const { return m_data; }
    RowColumnView *table() const { return m_table; }
    QProgressBar *indicator() const { return m_indicator; }
    QPushButton *searchBtn() const { return m_searchBtn; }
    QLineEdit *nameTF() const { return m_nameTF; }
    QLineEdit *rowTF() const { return m_rowTF; }
    QLineEdit *colomnTF() const { return m_colomnTF; }
    QCheckBox *reverseCheckBox() const { return m_reverseCheckBox; }
    QWidget *contentView() const { return m_contentView; }
    UnionContainer *container() const { return m_container; }
    QPushButton *saveBtn() const { return m_saveBtn; }
    QPushButton *cancelBtn() const { return m_cancelBtn; }
    // The list row of the selected fan; -1 when none.
    qint64 selectedRow() const { return m_selectedRow; }
    std::shared_ptr<NetworkingDevice> selectedDevice() const;
    UnionDeviceCell *cell(qint64 row) const;

    void unionContainerDidClick(UnionContainer *container, UnionDeviceItemView *tile) override;
    void unionContainerDidClickSetting(UnionContainer *, UnionDeviceItemView *) override {}
    void unionContainerDidClickName(UnionContainer *, UnionDeviceItemView *) override {}

public slots:
    // Leaves without saving.
    void back();
    // Checks the name and the counts, then asks for the master; the answer saves.
    void chooseMaster();
    void toggleReverse();
    // Searches the network for 5 seconds and lists what answered; while another search runs, on
    // this screen or any other, only asks to wait.
    void searchDevices();
    // Applies the field's count to the grid; a count that is not a whole number from 1 to the
    // largest union size is refused with a message and the field shows the grid's count again.
    void rowColomnChanged(QLineEdit *sender);
    // Makes the grid's area cover the visible area, with a margin right of and below the grid.
    void fitContentSize();

private:
    void setupUI();
    UnionDeviceCell *makeCell();
    void fillCell(UnionDeviceCell *cell, int row);
    void selectRow(qint64 row);
    void reloadTable();
    void showSearchIndicator();
    void hideSearchIndicator();
    // Lists what a search found; a search that could not run leaves the list empty and says so, and
    // one refused while another runs leaves the list as it was and asks to wait.
    void showSearchResults(const QXSearchResults &results, QXUdpSocket::Outcome outcome);
    // Both fields' counts applied to the grid; false (after a message) when one is refused.
    bool applyCounts();
    void saveUnion(const std::optional<QString> &masterName);
    static void showInfo(const QString &text);

    QXUdpSocket *m_socket;
    QList<std::shared_ptr<NetworkingDevice>> m_searchedDevices;
    QString m_url;
    std::shared_ptr<UnionData> m_data;
    SaveCompletion m_saveCompletion;
    qint64 m_selectedRow = -1;
    RowColumnView *m_table = nullptr;
    QProgressBar *m_indicator = nullptr;
    QPushButton *m_searchBtn = nullptr;
    QLineEdit *m_nameTF = nullptr;
    QLineEdit *m_rowTF = nullptr;
    QLineEdit *m_colomnTF = nullptr;
    QCheckBox *m_reverseCheckBox = nullptr;
    QScrollArea *m_scrollArea = nullptr;
    QWidget *m_contentView = nullptr;
    UnionContainer *m_container = nullptr;
    QPushButton *m_saveBtn = nullptr;
    QPushButton *m_cancelBtn = nullptr;
};
