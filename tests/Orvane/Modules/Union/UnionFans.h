#pragma once

// Fans of a union inside the private network of scripts/in-test-lan: each FakeFan listens on
// its own address (instruction port 8000, file ports 8002 and 8003), and the union's members
// point at them.
#include "AnsweringPresenter.h"
#include "EventLoop.h"
#include "FakeFan.h"
#include "FakeFanFileServer.h"
#include "Modules/Union/UnionData.h"
#include "Modules/Union/UnionMemberConnector.h"
#include "NetworkingDevice.h"
#include "QXConnectManager.h"
#include "MultyProgressDialogController.h"
#include "ProgressTableCell.h"
#include "QXProgress.h"
#include "QXUserDefaults.h"

#include <QList>
#include <QTableWidget>
#include <QWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace orvane::test {

inline const QByteArray kFanPassword = "12345678";

struct UnionFan
{
    UnionFan(int number, bool withFiles)
        : ip(QStringLiteral("192.168.2.%1").arg(number))
        , name(QStringLiteral("Orvane_kvi_%1").arg(number))
        , ins(std::make_unique<FakeFan>(QHostAddress(ip), 8000))
        , device(std::make_shared<NetworkingDevice>(name, ip))
    {
        ins->requirePassword(kFanPassword);
        if (withFiles) {
            files = std::make_unique<FakeFanFileServer>();
            files->start(8002, 8003, QHostAddress(ip));
        }
    }

    // The instructions the fan received after the password step, as (code, value).
    QList<std::pair<quint8, qint16>> instructions() const
    {
        QList<std::pair<quint8, qint16>> sent;
        for (const FakeFan::Frame &frame : ins->frames()) {
            if (frame.bytes.size() == 6)
                sent.append({frame.code, qint16((quint8(frame.bytes[4]) << 8) | quint8(frame.bytes[5]))});
        }
        return sent;
    }

    QString ip;
    QString name;
    std::unique_ptr<FakeFan> ins;
    std::unique_ptr<FakeFanFileServer> files;
    std::shared_ptr<NetworkingDevice> device;
};

class UnionFans : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QXUserDefaults::standardUserDefaults().removeObjectForKey(QStringLiteral("DeviceDic"));
        screen = std::make_unique<QWidget>();
    }

    // Fans numbered from `firstFan` upwards, each with the standard password stored.
    void addFans(int count, bool withFiles = false)
    {
        for (int i = 0; i < count; ++i) {
            fans.push_back(std::make_unique<UnionFan>(firstFan + int(fans.size()), withFiles));
            manager->addDevice(fans.back()->name, QString::fromLatin1(kFanPassword));
        }
    }

    // A union of the fans, filled row by row; a null slot index leaves the slot empty.
    std::shared_ptr<UnionData> unionOf(qint64 rows, qint64 colomns, const QList<int> &places = {})
    {
        auto made = std::make_shared<UnionData>(QStringLiteral("wall"), rows, colomns, false, QString());
        for (qint64 i = 0; i < rows * colomns; ++i) {
            const int fan = places.isEmpty() ? int(i) : places.value(i, -1);
            if (fan >= 0 && fan < int(fans.size()))
                made->setDevice(i / colomns, i % colomns, fans.at(fan)->device);
        }
        return made;
    }

    UnionMemberConnector connector() { return UnionMemberConnector(screen.get(), *manager); }

    // The progress sheet presented last (messages may come after it).
    MultyProgressDialogController *lastSheet() const
    {
        MultyProgressDialogController *sheet = nullptr;
        for (const QPointer<QDialog> &dialog : presenter.presented()) {
            if (auto *progress = qobject_cast<MultyProgressDialogController *>(dialog.data()))
                sheet = progress;
        }
        return sheet;
    }

    // The rows of that sheet.
    QList<std::shared_ptr<QXProgress>> sheetRows() const
    {
        QList<std::shared_ptr<QXProgress>> rows;
        MultyProgressDialogController *sheet = lastSheet();
        for (int row = 0; sheet && row < sheet->numberOfRows(); ++row)
            rows.append(sheet->cell(row)->progress());
        return rows;
    }

    // Every row of the last sheet complete or paused.
    bool sheetSettled() const
    {
        const QList<std::shared_ptr<QXProgress>> rows = sheetRows();
        return !rows.isEmpty() && std::all_of(rows.cbegin(), rows.cend(), [](const auto &row) {
            return row->isPaused() || row->fractionCompleted() == 1.0;
        });
    }

    // Screens work on the application's manager, whose pool outlives a test: their fans take
    // addresses of their own.
    int firstFan = 11;
    std::vector<std::unique_ptr<UnionFan>> fans;
    // Made after the fans and gone before them, so its sockets close before the fans stop.
    std::unique_ptr<QXConnectManager> manager = std::make_unique<QXConnectManager>();
    AnsweringPresenter presenter;
    std::unique_ptr<QWidget> screen;
};

} // namespace orvane::test
