#pragma once

#include "Core/BaseViewController.h"
#include "MultyConnectProtocol.h"
#include "QXConnect.h"
#include "QXQFileInfo.h"

#include <QList>
#include <QStringList>
#include <QVariantMap>

#include <memory>
#include <optional>

class PlayListCell;
class QLabel;
class QLineEdit;
class QXButton;
class RowColumnView;

// Edits one of the named play lists of a fan that keeps several: loads it by its index, or
// starts from given or no rows; the operator changes play counts, reorders (buttons or drag and
// drop), deletes, clears and appends rows picked from the fan's stored videos (the video list,
// pushed in picking mode, hands them back as "appendList"). Save uploads the rows under the
// name + ".txt"; a renamed list then has its old copy deleted; Copy uploads them under a new
// name. A successful save or copy closes the editor.
//
// Socket answers arrive on the socket threads; the editor moves all its work to the GUI thread.
class PlayListEditViewController : public BaseViewController, public QXConnect, public MultyConnectProtocol
{
    Q_OBJECT
public:
    static constexpr qreal kRowHeight = 54.0;
    static constexpr int kCloseDelayMs = 250;

    explicit PlayListEditViewController(std::shared_ptr<NetworkingDevice> device = nullptr, QWidget *parent = nullptr);
    ~PlayListEditViewController() override;

    std::shared_ptr<NetworkingDevice> device() const override { return m_device; }
    void setDevice(std::shared_ptr<NetworkingDevice> device) { m_device = std::move(device); }

    // Read in this order, a key missing or of another type skipped: "isAdd", "isCurrent"
    // (Booleans), "name" (text), "existingNames" (texts); then the first of "index" (loads that
    // list from the fan), "list" (replaces the rows) and "appendList" (appends to them), the
    // last two holding QList<QXQFileInfoRef>.
    Q_INVOKABLE void configData(const QVariantMap &data);
    // Empties the rows and loads the list at the index from the fan.
    void reloadDataWithIndex(qint64 index);
    // Appends the entries.
    void reloadDataWithList(const QList<QXQFileInfoRef> &entries);

    QList<QXQFileInfoRef> list() const { return m_list; }
    QStringList existingNames() const { return m_existingNames; }
    bool isAdd() const { return m_isAdd; }
    void setIsAdd(bool isAdd);
    bool isCurrent() const { return m_isCurrent; }
    void setIsCurrent(bool isCurrent);
    std::optional<QString> originName() const { return m_originName; }
    std::optional<qint64> listIndex() const { return m_listIndex; }

    // Whether a full name (ending in ".txt") may be used, showing why not: an empty name fails
    // silently; then a name taken by another list (unless a copy keeps the list's own name),
    // a blank, or a character that would break the fan's list text.
    bool checkName(const QString &name, bool fromSave);
    // The name with ".txt" appended unless it already ends so.
    static QString fullListName(const QString &name);

    PlayListCell *cellAt(int row) const;
    QLabel *infoLabel() const { return m_infoLabel; }
    QXButton *backBtn() const { return m_backBtn; }
    QXButton *saveBtn() const { return m_saveBtn; }
    QXButton *copyBtn() const { return m_copyBtn; }
    QXButton *clearBtn() const { return m_clearBtn; }
    QXButton *addBtn() const { return m_addBtn; }
    QLineEdit *nameField() const { return m_nameField; }
    RowColumnView *listTable() const { return m_listTable; }

public slots:
    void backAction();
    void saveAction();
    void copyAction();
    void clearAction();
    void addAction();

protected:
    void initUI() override;

private:
    void buildLayout();
    void reloadData();
    PlayListCell *makeRow();
    void fillRow(PlayListCell *cell, int row);
    void moveRow(int from, int to);
    void upload(const QString &name, bool renamed);
    void alert(const char *key);
    void updateNameField();

    std::shared_ptr<NetworkingDevice> m_device;
    QList<QXQFileInfoRef> m_list;
    QStringList m_existingNames;
    bool m_isAdd = true;
    bool m_isCurrent = false;
    std::optional<QString> m_originName;
    std::optional<qint64> m_listIndex;

    QLabel *m_infoLabel = nullptr;
    QXButton *m_backBtn = nullptr;
    QXButton *m_saveBtn = nullptr;
    QXButton *m_copyBtn = nullptr;
    QXButton *m_clearBtn = nullptr;
    QXButton *m_addBtn = nullptr;
    QLineEdit *m_nameField = nullptr;
    RowColumnView *m_listTable = nullptr;
};
