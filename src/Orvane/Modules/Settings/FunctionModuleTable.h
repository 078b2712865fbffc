#pragma once

#include "FunctionConfigViewController.h"
#include "QXInsCode.h"

#include <QtGlobal>

#include <array>
#include <optional>
#include <span>
#include <variant>

class QXDevice;

// What the settings screen knows about each module, as data: where it goes, how tall it is,
// when it is shown, which editor shows it, and for the generic editors (slider, choice, single
// button) every instruction code, range, value conversion, key and record field.
namespace orvane::settings {

using FunctionModule = FunctionConfigViewController::FunctionModule;

// Which editor shows a module. The generic kinds are configured by the row alone; the special
// editors carry their own instructions.
enum class EditorKind : quint8 {
    slider,
    choice,
    singleButton,
    advancedToggle,
    info,
    switches,
    timer,
    angle,
    connect,
    hotSpot,
    bluetooth,
};

// When a module is shown.
enum class ModuleGate : quint8 {
    always,
    model4G,        // the record is of the 4G model
    bluetoothAudio, // function 8 (by the model)
    cutTime,        // function 0x100
    rotationRate,   // function 0x200
};

// What follows a send besides the record write of the row.
enum class Completion : quint8 {
    none,
    backToHotspot,  // 200: "ov_sta2ap_success", the record to the plain mode, the socket closed
    restarted,      // 200: "ov_restarting", the socket closed
    maskModeReport, // "ov_set_success" or "ov_set_fail" after either outcome
    toggleAdvanced, // the advanced section shown or hidden
};

// A read of the value an editor starts from, and the write of a value the fan accepted.
using RecordRead = qint64 (*)(const QXDevice &record);
using RecordWrite = void (*)(QXDevice &record, qint64 value);
// The shown value of a slider row to the value sent.
using WireTransfer = qint64 (*)(qint64 shown);

struct SliderRow
{
    QXInsCode ins;
    const char *title;
    RecordRead read;
    qint64 min;
    qint64 max;
    WireTransfer transfer;
    RecordWrite write;
    bool showStepper = true;
};

struct SliderSetup
{
    SliderRow row1;
    std::optional<SliderRow> row2;
    const char *successInfo1 = nullptr;
    const char *failInfo1 = nullptr;
};

struct ChoiceOption
{
    const char *text;
    bool localized; // `text` is a localisation key
    qint64 value;
};

struct ChoiceSwitchRow
{
    const char *title;
    QXInsCode ins;
    RecordRead read;
    RecordWrite write;
};

struct ChoiceSetup
{
    QXInsCode ins;
    const char *title;
    std::span<const ChoiceOption> options;
    RecordRead read;
    RecordWrite write;
    const char *sureTitle;
    const char *ensureInfoKey = nullptr;
    std::optional<ChoiceSwitchRow> switchRow;
};

struct ButtonSetup
{
    const char *title;
    const char *buttonTitle;
    QXInsCode ins;
    const char *ensureInfoKey;
};

struct ModuleRow
{
    FunctionModule module;
    int section;
    int height;
    ModuleGate gate;
    EditorKind kind;
    std::variant<std::monostate, SliderSetup, ChoiceSetup, ButtonSetup> setup;
    Completion completion = Completion::none;
};

inline constexpr int sectionCount = 3;
inline constexpr int advancedSection = 1;

// Every module in display order, section by section.
std::span<const ModuleRow> moduleTable();
// The row of a module.
const ModuleRow &moduleRow(FunctionModule module);

// The value conversions of the slider rows. The four mask sides are sectors of a circle of 2048
// units centred at 0 (right), 512 (top), 1024 (left) and 1536 (bottom); a side's shown angle is
// its offset from that centre.
constexpr qint64 shiftBy128(qint64 shown)
{
    return shown + 128;
}
constexpr qint64 rightSideAngle(qint64 shown)
{
    return static_cast<quint64>(shown) <= 512 ? shown : shown + 2048;
}
constexpr qint64 topSideAngle(qint64 shown)
{
    return shown + 512;
}
constexpr qint64 leftSideAngle(qint64 shown)
{
    return shown + 1024;
}
constexpr qint64 bottomSideAngle(qint64 shown)
{
    return shown + 1536;
}

} // namespace orvane::settings
