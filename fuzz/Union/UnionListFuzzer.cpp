// "unionList.txt" may be edited by hand, cut short or given CR LF line ends: any text must read
// into unions whose grids have exactly their counts, CR LF lines must read as LF lines, and what
// the writer would store reads back unchanged.
#include "Modules/Union/UnionData.h"
#include "Modules/Union/UnionDataUtil.h"
#include "NetworkingDevice.h"
#include "QXUtf8.h"

#include <cstddef>
#include <cstdint>

namespace {

bool carriesSeparator(const QString &text)
{
    return text.contains(u',') || text.contains(u'#') || text.contains(u'\n');
}

QString storeText(const UnionList &unions)
{
    QString text;
    for (const auto &unionData : unions)
        text += unionData->fileText();
    text.chop(1);
    return text;
}

void check(const UnionData &unionData, qint64 &previousIndex)
{
    if (unionData.row() < 1 || unionData.row() > UnionData::kMaxCount || unionData.colomn() < 1
        || unionData.colomn() > UnionData::kMaxCount || unionData.index() <= previousIndex)
        __builtin_trap();
    previousIndex = unionData.index();
    const UnionGrid grid = unionData.devices();
    if (qint64(grid.size()) != unionData.row())
        __builtin_trap();
    for (const auto &cells : grid) {
        if (qint64(cells.size()) != unionData.colomn())
            __builtin_trap();
        for (const auto &fan : cells) {
            if (fan && (fan->name().isEmpty() || fan->ip().isEmpty() || carriesSeparator(fan->name())
                        || carriesSeparator(fan->ip())))
                __builtin_trap();
        }
    }
    // A master with an address is a fan of the grid.
    const auto master = unionData.masterDevice();
    if (master && !master->ip().isEmpty() && (unionData.position(master).row < 1 || !master->isMaster()))
        __builtin_trap();
    unionData.maskInstructions(master);
}

bool storable(const UnionList &unions)
{
    for (const auto &unionData : unions) {
        QStringList texts{unionData->name()};
        if (const auto master = unionData->masterDevice())
            texts << master->name();
        for (const auto &fan : unionData->allDevices())
            texts << fan->name() << fan->ip();
        for (const QString &text : std::as_const(texts)) {
            if (!UnionDataUtil::isStorableName(text))
                return false;
        }
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::optional<QString> text = qxStrictUtf8(QByteArrayView(data, qsizetype(size)));
    if (!text)
        return 0;
    const UnionList unions = UnionDataUtil::unionsFromText(*text, QStringLiteral("unionList.txt"));
    qint64 previousIndex = -1;
    for (const auto &unionData : unions)
        check(*unionData, previousIndex);
    if (!text->contains(u'\r')) {
        const QString crlf = QString(*text).replace(u'\n', QStringLiteral("\r\n"));
        if (storeText(UnionDataUtil::unionsFromText(crlf, QStringLiteral("unionList.txt"))) != storeText(unions))
            __builtin_trap();
    }
    if (storable(unions)) {
        const QString written = storeText(unions);
        if (storeText(UnionDataUtil::unionsFromText(written, QStringLiteral("unionList.txt"))) != written)
            __builtin_trap();
    }
    return 0;
}
