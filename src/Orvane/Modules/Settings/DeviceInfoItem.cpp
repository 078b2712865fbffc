#include "DeviceInfoItem.h"

#include "QXColor.h"
#include "QXConnect.h"
#include "QXLocalized.h"
#include "QXView.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr std::array<const char *, DeviceInfoItem::rowCount> titleKeys = {
    "ov_now_status", "ov_version_c", "ov_version_b", "ov_version_f", "ov_sd_remain", "ov_server_conn",
};

QString versionText(qint64 major, qint64 minor)
{
    return QStringLiteral(":%1.%2").arg(major).arg(minor);
}

} // namespace

DeviceInfoItem::DeviceInfoItem(QWidget *parent)
    : FunctionConfigItem(parent)
{
    qxkit::setBgColor(this, qxkit::configLight());
    setPalette(qxkit::darkPalette());
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(20, 16, 20, 16);
    column->setSpacing(14);
    column->addStretch(1);
    for (std::size_t index = 0; index < m_rows.size(); ++index) {
        RowLabels &row = m_rows[index];
        row.line = new QWidget(this);
        row.title = keyedLabel(titleKeys[index]);
        row.value = qxkit::label({}, qxkit::globalTextColor());
        row.value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        auto *line = new QHBoxLayout(row.line);
        line->setContentsMargins(0, 0, 0, 0);
        line->setSpacing(0);
        line->addWidget(row.title);
        line->addWidget(row.value);
        line->addStretch(1);
        column->addWidget(row.line);
    }
    column->addStretch(1);
}

DeviceInfoItem::~DeviceInfoItem() = default;

int DeviceInfoItem::shownRows() const
{
    return int(std::count_if(m_rows.begin(), m_rows.end(),
                             [this](const RowLabels &row) { return row.line->isVisibleTo(this); }));
}

void DeviceInfoItem::refresh()
{
    const QXDeviceStatus status = currentDeviceStatus();
    const QXDeviceVersion &version = status.version();
    const bool reportsRole = (status.functionSet() & QXDeviceFunction::master) != 0;
    m_rows[std::size_t(Row::state)].line->setVisible(reportsRole);
    const QString role = qxLocalized(QString::fromLatin1(status.isMaster() ? "ov_master" : "ov_slave"));
    value(Row::state)->setText(QLatin1Char(':') + role);
    value(Row::corVersion)->setText(versionText(version.coreVersion0(), version.coreVersion1()));
    value(Row::underVersion)->setText(versionText(version.baseVersion0(), version.baseVersion1()));
    value(Row::fpgaVersion)->setText(versionText(version.fpgaVersion0(), version.fpgaVersion1()));
    value(Row::sdCapacity)->setText(QLatin1Char(':') + status.storage());
    value(Row::server)->setText(QLatin1Char(':') + status.serverDomain());
}
