#pragma once

#include "UnionDataUtil.h"

#include <QWidget>

class QPushButton;
class RowColumnView;
class UnionListCell;

// The entry screen of the union section: one row per union stored in the union list file, with
// the way to the editor (add), to a union's operation screen (a row's detail button) and to the
// deletion of a union (a row's delete button, after a confirmation). It reads the file again
// whenever the store announces a write. It needs nothing from the home screen, so it can also
// follow a login.
class UnionListViewController : public QWidget
{
    Q_OBJECT
public:
    explicit UnionListViewController(QWidget *parent = nullptr);

    QString dataUrl() const { return m_dataUrl; }
    RowColumnView *listTable() const { return m_listTable; }
    QPushButton *logOutBtn() const { return m_logOutBtn; }
    QPushButton *addBtn() const { return m_addBtn; }
    UnionList listData() const { return m_listData; }
    // The highlighted row; -1 for none.
    qint64 selectedRow() const { return m_selectedRow; }
    // The row's widget as shown; nullptr for a row that does not exist or is far from view.
    UnionListCell *cell(qint64 row) const;

public slots:
    // Opens the union editor for a new union.
    void addAction();
    // Signs the cloud user out; the list stays.
    void logoutAction();
    void reloadData();

private:
    UnionListCell *makeCell();
    void fillCell(UnionListCell *cell, int row);
    void selectRow(qint64 row);
    // The union shown in the row, when the row still shows that union.
    std::shared_ptr<UnionData> unionAt(qint64 row, const std::shared_ptr<UnionData> &expected) const;
    void showDetail(qint64 row, const std::shared_ptr<UnionData> &shown);
    void confirmDelete(qint64 row, const std::shared_ptr<UnionData> &shown, QWidget *button);
    void deleteUnion(qint64 row, const std::shared_ptr<UnionData> &shown);
    void readFile();
    // Reads the file again after the editor saved the union of that name.
    void showSaved(const QString &name);

    QString m_dataUrl;
    RowColumnView *m_listTable;
    QPushButton *m_logOutBtn;
    QPushButton *m_addBtn;
    UnionList m_listData;
    qint64 m_selectedRow = -1;
};
