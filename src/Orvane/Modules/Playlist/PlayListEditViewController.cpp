#include "PlayListEditViewController.h"

#include "Core/NSNavigationController.h"
#include "Core/Utils.h"
#include "Dialog.h"
#include "Modules/Video/VideoListViewController.h"
#include "PlayListCell.h"
#include "QXButton.h"
#include "QXEventLoop.h"
#include "QXFileSocket.h"
#include "QXInsSocket.h"
#include "QXLocalized.h"
#include "QXLog.h"
#include "Widget/Rows/RowColumnView.h"
#include "Widget/ScreenParts.h"

#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QVBoxLayout>

namespace {

const QString kListSuffix = QStringLiteral(".txt");

// Characters the fan's list text or a local file cannot carry in a list name.
bool hasSpecialCharacter(const QString &name)
{
    static const QString special = QStringLiteral("()&'`;,#\r\n");
    return std::any_of(name.cbegin(), name.cend(), [](QChar c) { return special.contains(c); });
}

} // namespace

PlayListEditViewController::PlayListEditViewController(std::shared_ptr<NetworkingDevice> device, QWidget *parent)
    : BaseViewController(parent)
    , m_device(std::move(device))
{
    setObjectName(QStringLiteral("PlayListEditViewController"));
    loadViewIfNeeded();
}

PlayListEditViewController::~PlayListEditViewController() = default;

void PlayListEditViewController::initUI()
{
    buildLayout();
    updateNameField();
    connect(m_backBtn, &QPushButton::clicked, this, &PlayListEditViewController::backAction);
    connect(m_saveBtn, &QPushButton::clicked, this, &PlayListEditViewController::saveAction);
    connect(m_copyBtn, &QPushButton::clicked, this, &PlayListEditViewController::copyAction);
    connect(m_clearBtn, &QPushButton::clicked, this, &PlayListEditViewController::clearAction);
    connect(m_addBtn, &QPushButton::clicked, this, &PlayListEditViewController::addAction);
    connect(m_nameField, &QLineEdit::returnPressed, this, &PlayListEditViewController::saveAction);
}

void PlayListEditViewController::buildLayout()
{
    m_infoLabel = orvane::screen::titleLabel("ov_edit_list");
    m_backBtn = orvane::screen::backButton();
    m_saveBtn = orvane::screen::barButton("ov_save");
    m_copyBtn = orvane::screen::barButton("ov_copy");
    m_clearBtn = orvane::screen::barButton("ov_clear");
    m_addBtn = orvane::screen::barButton("ov_add");
    m_nameField = new QLineEdit;
    m_nameField->setObjectName(QStringLiteral("nameField"));
    m_nameField->setAccessibleName(qxLocalized("ov_file_name"));
    m_nameField->setMinimumWidth(180);

    m_listTable = new RowColumnView(kRowHeight);
    m_listTable->setObjectName(QStringLiteral("listTable"));
    m_listTable->setAccessibleName(qxLocalized("ov_playlist"));
    m_listTable->setRowCount([this] { return int(m_list.size()); });
    m_listTable->setRows<PlayListCell>([this] { return makeRow(); },
                                       [this](PlayListCell *cell, int row) { fillRow(cell, row); });
    m_listTable->setRowName([this](int row) {
        return QStringLiteral("%1 %2").arg(row + 1).arg(m_list.value(row) ? m_list.at(row)->fileName() : QString());
    });
    m_listTable->setMoveAction([this](int from, int to) { moveRow(from, to); });

    QVBoxLayout *layout = orvane::screen::screenColumn(this, m_backBtn, m_infoLabel,
                                                       {m_saveBtn, m_copyBtn, m_clearBtn, m_addBtn}, m_nameField);
    layout->addWidget(m_listTable, 1);
}

void PlayListEditViewController::setIsAdd(bool isAdd)
{
    m_isAdd = isAdd;
    updateNameField();
}

void PlayListEditViewController::setIsCurrent(bool isCurrent)
{
    m_isCurrent = isCurrent;
    updateNameField();
}

void PlayListEditViewController::updateNameField()
{
    // The list the fan plays keeps its name: the fan finds its current list by it.
    const bool editable = m_isAdd || !m_isCurrent;
    m_nameField->setReadOnly(!editable);
    m_nameField->setFrame(editable);
    m_copyBtn->setHidden(m_isAdd);
}

void PlayListEditViewController::configData(const QVariantMap &data)
{
    const auto has = [&data](const char *key, QMetaType type) {
        return data.value(QString::fromLatin1(key)).metaType() == type;
    };
    const auto value = [&data](const char *key) { return data.value(QString::fromLatin1(key)); };
    if (has("isAdd", QMetaType::fromType<bool>()))
        setIsAdd(value("isAdd").toBool());
    if (has("isCurrent", QMetaType::fromType<bool>()))
        setIsCurrent(value("isCurrent").toBool());
    if (has("name", QMetaType::fromType<QString>())) {
        m_originName = value("name").toString();
        m_nameField->setText(*m_originName);
    }
    const QVariant names = value("existingNames");
    const QVariantList items = names.toList();
    const bool allTexts = names.metaType() == QMetaType::fromType<QStringList>()
        || (names.metaType() == QMetaType::fromType<QVariantList>()
            && std::all_of(items.cbegin(), items.cend(),
                           [](const QVariant &name) { return name.metaType() == QMetaType::fromType<QString>(); }));
    if (allTexts)
        m_existingNames = names.toStringList();
    const QVariant index = value("index");
    if (index.metaType() == QMetaType::fromType<int>() || index.metaType() == QMetaType::fromType<qint64>()) {
        m_listIndex = index.toLongLong();
        reloadDataWithIndex(*m_listIndex);
        return;
    }
    const QMetaType entries = QMetaType::fromType<QList<QXQFileInfoRef>>();
    if (has("list", entries)) {
        m_list = value("list").value<QList<QXQFileInfoRef>>();
        reloadData();
        return;
    }
    if (has("appendList", entries))
        reloadDataWithList(value("appendList").value<QList<QXQFileInfoRef>>());
}

void PlayListEditViewController::reloadDataWithIndex(qint64 index)
{
    m_list.clear();
    reloadData();
    const QPointer<QObject> guard(this);
    insSocket()->fetchListAtIndex(
        index,
        [this, guard](const QXOperationRef &, qint64, const QVariant &payload) {
            if (payload.typeId() != QMetaType::QString)
                return;
            const QList<QXQFileInfoRef> entries = QXPlayListText::analyzeListString(payload.toString());
            qxOnGuiThread(guard, [this, entries] {
                m_list = entries;
                reloadData();
            });
        },
        nullptr);
}

void PlayListEditViewController::reloadDataWithList(const QList<QXQFileInfoRef> &entries)
{
    m_list.append(entries);
    reloadData();
}

// --- Rows ---

void PlayListEditViewController::reloadData()
{
    m_listTable->reloadData();
}

PlayListCell *PlayListEditViewController::cellAt(int row) const
{
    return qobject_cast<PlayListCell *>(m_listTable->rowAt(row));
}

PlayListCell *PlayListEditViewController::makeRow()
{
    auto *cell = new PlayListCell;
    cell->setForbidPlay(true);
    return cell;
}

void PlayListEditViewController::fillRow(PlayListCell *cell, int row)
{
    cell->configData(m_list.at(row), row);
    // Each action acts on the entry the row shows; moves and deletes fill the rows again, so
    // they run from the event loop, after the row's own click is over.
    const QXQFileInfoRef entry = m_list.at(row);
    cell->setChangeTimesAction([entry](qint64 times) { entry->setFileTimes(QString::number(times)); });
    cell->setMoveItemAction([this, entry](bool up) {
        qxNextTurn(this, [this, entry, up] {
            const int from = int(m_list.indexOf(entry));
            const int to = up ? from - 1 : from + 1;
            if (from >= 0 && to >= 0 && to < m_list.size())
                moveRow(from, to);
        });
    });
    cell->setDeleteAction([this, entry] {
        qxNextTurn(this, [this, entry] {
            if (m_list.removeOne(entry))
                reloadData();
        });
    });
}

void PlayListEditViewController::moveRow(int from, int to)
{
    QXLOG(QStringLiteral("Moving row: %1, to: %2").arg(from).arg(to));
    m_list.move(from, to);
    reloadData();
}

// --- Saving ---

QString PlayListEditViewController::fullListName(const QString &name)
{
    return name.endsWith(kListSuffix) ? name : name + kListSuffix;
}

void PlayListEditViewController::alert(const char *key)
{
    Modalia::Dialog::showAlert(Modalia::AlertStyle::critical, qxLocalized(key), std::nullopt, QIcon(),
                               {qxLocalized("ov_confirm")}, this, nullptr);
}

bool PlayListEditViewController::checkName(const QString &name, bool fromSave)
{
    if (QString(name).remove(kListSuffix).isEmpty())
        return false;
    if ((fromSave || m_originName != name) && m_existingNames.contains(name)) {
        alert("ov_file_name_duplicate");
        return false;
    }
    if (name.contains(QLatin1Char(' '))) {
        alert("ov_path_nospace_tip");
        return false;
    }
    if (hasSpecialCharacter(name)) {
        alert("ov_spec_chars_tip");
        return false;
    }
    return true;
}

void PlayListEditViewController::saveAction()
{
    const QString name = fullListName(m_nameField->text());
    const bool renamed = m_isAdd || m_originName != name;
    if (renamed && !checkName(name, true))
        return;
    upload(name, !m_isAdd && renamed);
}

void PlayListEditViewController::copyAction()
{
    QPointer<PlayListEditViewController> self(this);
    Modalia::Dialog::showInput(qxLocalized("ov_input_list_name"), std::nullopt, std::nullopt, nullptr,
                               [self](const std::optional<QString> &text) {
                                   if (!self || !text)
                                       return;
                                   const QString name = fullListName(*text);
                                   if (self->checkName(name, false))
                                       self->upload(name, false);
                               });
}

void PlayListEditViewController::upload(const QString &name, bool renamed)
{
    // A renamed list is stored anew under its new name; its old copy, at its old index, is
    // deleted once the new one is safe on the fan.
    const std::optional<qint64> oldIndex = renamed ? m_listIndex : std::nullopt;
    const std::shared_ptr<QXInsSocket> socket = insSocket();
    const QPointer<QObject> guard(this);
    fileSocket()->sendListWithName(
        name, QXPlayListText::getListString(m_list), nullptr,
        [this, guard, socket, oldIndex](const QXOperationRef &, qint64, const QVariant &) {
            if (oldIndex)
                socket->sendInsWithType(QXInsCode::deleteList, qint16(*oldIndex), nullptr, nullptr);
            qxOnGuiThread(guard, [this] {
                QTimer::singleShot(kCloseDelayMs, this, &PlayListEditViewController::backAction);
            });
        },
        [this, guard](const QXOperationRef &, qint64, const QVariant &) {
            qxOnGuiThread(guard, [this] {
                utils()->showDialogWithType(Utils::DialogType::info, qxLocalized("ov_add_file_fail"), nullptr);
            });
        });
}

// --- Other actions ---

void PlayListEditViewController::clearAction()
{
    utils()->showDialogWithType(
        Utils::DialogType::ensure, qxLocalized("ov_clear_list_tip"), this,
        [this] {
            utils()->clickToOK();
            m_list.clear();
            reloadData();
        },
        [this] { utils()->clickToCancel(); });
}

void PlayListEditViewController::addAction()
{
    NSNavigationController *navigation = orvane::navigationController(this);
    if (!navigation)
        return;
    auto *videos = new VideoListViewController(m_device);
    // The pick is appended here, unless this editor is gone by the time it is confirmed.
    const QPointer<PlayListEditViewController> editor(this);
    videos->setPickTaker([editor](const QList<QXQFileInfoRef> &picked) {
        if (editor)
            editor->configData({{QStringLiteral("appendList"), QVariant::fromValue(picked)}});
    });
    navigation->pushViewController(videos, true);
    videos->configWithData({{QStringLiteral("isSelecting"), true}});
}

void PlayListEditViewController::backAction()
{
    if (NSNavigationController *navigation = orvane::navigationController(this))
        navigation->popViewControllerAnimated(true);
}
