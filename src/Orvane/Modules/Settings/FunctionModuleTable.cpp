#include "FunctionModuleTable.h"

#include "QXDevice.h"

#include <algorithm>
#include <limits>

namespace orvane::settings {

namespace {

constexpr qint64 identity(qint64 shown)
{
    return shown;
}

template <bool Angle>
QString districtKey()
{
    return Angle ? QStringLiteral("angle") : QStringLiteral("distance");
}

// A district's "angle" or "distance", 0 when the district or the key is missing or no integer.
template <qint64 District, bool Angle>
qint64 districtValue(const QXDevice &record)
{
    const std::optional<QVariantMap> settings = record.mask().settingsAtDistrict(District);
    if (!settings)
        return 0;
    const QVariant value = settings->value(districtKey<Angle>());
    bool isInteger = false;
    const qint64 number = value.toLongLong(&isInteger);
    return isInteger && value.typeId() != QMetaType::QString ? number : 0;
}

// Writes one key of a district, so its other key keeps its value.
template <qint64 District, bool Angle>
void setDistrictValue(QXDevice &record, qint64 value)
{
    record.editMask([value](QXDeviceMask &mask) {
        mask.setDistrict(District, QVariantMap{{districtKey<Angle>(), value}});
    });
}

template <void (QXDeviceStatus::*Setter)(qint64)>
void setStatus(QXDevice &record, qint64 value)
{
    record.editStatus([value](QXDeviceStatus &status) { (status.*Setter)(value); });
}

template <void (QXDeviceMask::*Setter)(qint64)>
void setMask(QXDevice &record, qint64 value)
{
    record.editMask([value](QXDeviceMask &mask) { (mask.*Setter)(value); });
}

template <qint64 District, WireTransfer Transfer, QXInsCode AngleIns, QXInsCode LengthIns>
constexpr SliderSetup maskSide(const char *angleTitle, const char *lengthTitle)
{
    return SliderSetup{
        SliderRow{AngleIns, angleTitle, districtValue<District, true>, -512, 512, Transfer,
                  setDistrictValue<District, true>},
        SliderRow{LengthIns, lengthTitle, districtValue<District, false>, 360, 800, identity,
                  setDistrictValue<District, false>},
    };
}

constexpr ChoiceOption gapOptions[] = {
    {"0s", false, 6}, {"0.5s", false, 0}, {"1s", false, 1},   {"1.5s", false, 2},
    {"2s", false, 3}, {"2.5s", false, 4}, {"3s", false, 5},
};
constexpr ChoiceOption speedOptions[] = {
    {"ov_normal", true, 0},
    {"ov_speed_slow", true, 1},
    {"ov_speed_fast", true, 2},
};
constexpr ChoiceOption maskModeOptions[] = {
    {"ov_no_mask", true, 0},
    {"ov_top_mask", true, 1},
    {"ov_bottom_mask", true, 2},
    {"ov_bottom_mix", true, 3},
};

using M = FunctionModule;
using K = EditorKind;
using G = ModuleGate;
using I = QXInsCode;

constexpr int tall = 240;
constexpr int low = 120;
constexpr int toggle = 60;

constexpr std::array<ModuleRow, 21> table{{
    // Section 0: basic.
    {M::info, 0, tall, G::always, K::info, {}},
    {M::lightAngle, 0, tall, G::always, K::slider,
     SliderSetup{SliderRow{I::light, "ov_light_adj", [](const QXDevice &r) { return r.status().light(); }, 0, 15,
                           identity, setStatus<&QXDeviceStatus::setLight>},
                 std::nullopt, "ov_set_light_success", "ov_set_light_error"}},
    {M::switches, 0, tall, G::always, K::switches, {}},
    {M::timer, 0, tall, G::always, K::timer, {}},
    {M::angle, 0, tall, G::always, K::angle, {}},
    {M::connect, 0, tall, G::always, K::connect, {}},
    {M::hotSpot, 0, tall, G::model4G, K::hotSpot, {}},
    {M::local, 0, low, G::always, K::singleButton,
     ButtonSetup{"ov_sta2ap", "ov_disconn_wifi", I::staToAp, "ov_confirm_operate"}, Completion::backToHotspot},
    {M::bluetooth, 0, low, G::bluetoothAudio, K::bluetooth, {}},
    // The volume is written back too: every refresh makes the items anew from the record.
    {M::volume, 0, low, G::bluetoothAudio, K::slider,
     SliderSetup{SliderRow{I::volume, "ov_volume_adj", [](const QXDevice &r) { return r.status().volume(); }, 0, 15,
                           identity, setStatus<&QXDeviceStatus::setVolume>},
                 std::nullopt}},
    // Section 1: advanced.
    {M::restart, 1, low, G::always, K::singleButton,
     ButtonSetup{"ov_restart_device", "ov_restart_device", I::restart, "ov_confirm_restart"}, Completion::restarted},
    {M::cutTime, 1, low, G::cutTime, K::choice,
     ChoiceSetup{I::switchGap, "ov_switch_gap", gapOptions, [](const QXDevice &r) { return r.status().cutTime(); },
                 setStatus<&QXDeviceStatus::setCutTime>, "ov_confirm", "ov_confirm_gap", std::nullopt}},
    {M::rotationRate, 1, low, G::rotationRate, K::choice,
     ChoiceSetup{I::rotationRate, "ov_set_speed", speedOptions,
                 [](const QXDevice &r) { return r.status().rotationRate(); },
                 setStatus<&QXDeviceStatus::setRotationRate>, "ov_confirm", "ov_confirm_set_speed", std::nullopt}},
    {M::maskMove, 1, tall, G::always, K::slider,
     SliderSetup{SliderRow{I::screenMoveX, "ov_screen_movex",
                           [](const QXDevice &r) { return r.mask().horizontalDistance(); }, -128, 127, shiftBy128,
                           setMask<&QXDeviceMask::setHorizontalDistance>},
                 SliderRow{I::screenMoveY, "ov_screen_movey",
                           [](const QXDevice &r) { return r.mask().verticalDistance(); }, -128, 127, shiftBy128,
                           setMask<&QXDeviceMask::setVerticalDistance>}}},
    {M::maskMode, 1, tall, G::always, K::choice,
     ChoiceSetup{I::maskMode, "ov_mask_mode", maskModeOptions, [](const QXDevice &r) { return r.mask().mode(); },
                 setMask<&QXDeviceMask::setMode>, "ov_confirm", nullptr,
                 ChoiceSwitchRow{"ov_white_bg", I::whiteBlank,
                                 [](const QXDevice &r) { return qint64(r.mask().isWhiteBlank()); },
                                 [](QXDevice &r, qint64 on) {
                                     r.editMask([on](QXDeviceMask &mask) { mask.setIsWhiteBlank(on != 0); });
                                 }}},
     Completion::maskModeReport},
    {M::maskInnerOutter, 1, tall, G::always, K::slider,
     SliderSetup{SliderRow{I::innerRadius, "ov_radius_length",
                           [](const QXDevice &r) { return r.mask().innerDistance(); }, 0, 360, identity,
                           setMask<&QXDeviceMask::setInnerDistance>},
                 SliderRow{I::coverLength, "ov_cover_length",
                           [](const QXDevice &r) { return r.mask().outerDistance(); }, 0, 255, identity,
                           setMask<&QXDeviceMask::setOuterDistance>}}},
    {M::maskRight, 1, tall, G::always, K::slider,
     maskSide<4, rightSideAngle, I::rightMaskAngle, I::rightMaskLength>("ov_right_mask_angle", "ov_right_mask_long")},
    {M::maskTop, 1, tall, G::always, K::slider,
     maskSide<1, topSideAngle, I::topMaskAngle, I::topMaskLength>("ov_top_mask_angle", "ov_top_mask_long")},
    {M::maskLeft, 1, tall, G::always, K::slider,
     maskSide<3, leftSideAngle, I::leftMaskAngle, I::leftMaskLength>("ov_left_mask_angle", "ov_left_mask_long")},
    {M::maskBottom, 1, tall, G::always, K::slider,
     maskSide<2, bottomSideAngle, I::bottomMaskAngle, I::bottomMaskLength>("ov_bottom_mask_angle",
                                                                            "ov_bottom_mask_long")},
    // Section 2: the toggle of the advanced section.
    {M::advanced, 2, toggle, G::always, K::advancedToggle, {}, Completion::toggleAdvanced},
}};

constexpr bool fitsSixteenBits(qint64 wire)
{
    return wire >= std::numeric_limits<qint16>::min() && wire <= std::numeric_limits<qint16>::max();
}

constexpr bool rowStaysInSixteenBits(const SliderRow &row)
{
    for (qint64 shown = row.min; shown <= row.max; ++shown) {
        if (!fitsSixteenBits(row.transfer(shown)))
            return false;
    }
    return row.min <= row.max;
}

constexpr bool staysInSixteenBits(const ModuleRow &row)
{
    if (const auto *slider = std::get_if<SliderSetup>(&row.setup))
        return rowStaysInSixteenBits(slider->row1) && (!slider->row2 || rowStaysInSixteenBits(*slider->row2));
    if (const auto *choice = std::get_if<ChoiceSetup>(&row.setup))
        return std::all_of(choice->options.begin(), choice->options.end(),
                           [](const ChoiceOption &option) { return fitsSixteenBits(option.value); });
    return true;
}

constexpr bool setupMatchesKind(const ModuleRow &row)
{
    switch (row.kind) {
    case EditorKind::slider:
        return std::holds_alternative<SliderSetup>(row.setup);
    case EditorKind::choice:
        return std::holds_alternative<ChoiceSetup>(row.setup);
    case EditorKind::singleButton:
        return std::holds_alternative<ButtonSetup>(row.setup);
    default:
        return std::holds_alternative<std::monostate>(row.setup);
    }
}

constexpr bool tableIsSound()
{
    int section = 0;
    for (std::size_t index = 0; index < table.size(); ++index) {
        const ModuleRow &row = table[index];
        // Every module once, sections in order, every sent value a signed 16-bit number.
        if (std::count_if(table.begin(), table.end(), [&](const ModuleRow &other) { return other.module == row.module; })
            != 1)
            return false;
        if (row.section < section || row.section >= sectionCount)
            return false;
        section = row.section;
        if (!staysInSixteenBits(row) || !setupMatchesKind(row))
            return false;
    }
    return true;
}

static_assert(tableIsSound());

} // namespace

std::span<const ModuleRow> moduleTable()
{
    return table;
}

const ModuleRow &moduleRow(FunctionModule module)
{
    return *std::find_if(table.begin(), table.end(), [module](const ModuleRow &row) { return row.module == module; });
}

} // namespace orvane::settings
