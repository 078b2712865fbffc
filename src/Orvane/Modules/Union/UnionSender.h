#pragma once

#include "UnionData.h"
#include "UnionMemberConnector.h"

#include <QList>
#include <QString>

#include <memory>
#include <optional>
#include <utility>

class QXProgress;

// One member's share of a mask run: the instructions to send it, code to value.
using MaskTask = std::pair<std::shared_ptr<NetworkingDevice>, MaskPlan>;

// Sends instructions to every member of a union: one instruction with one value to all, or
// each member its own mask plan. Each member is connected with its password first; at most
// nine members are between connecting and their last reply at any time. One progress sheet
// shows a row per member; a member that cannot be connected, or refuses an instruction, has
// its row paused, and the others go on. Use on the GUI thread; the runs it starts hold what
// they need and finish also when the screen closes.
class UnionSender
{
public:
    UnionSender(std::shared_ptr<UnionData> unionData, UnionMemberConnector connector);

    void sendInsForAllDevice(QXInsCode code, qint16 data) const;
    void runMaskTasks(const QList<MaskTask> &tasks) const;
    // The same after the operator confirmed.
    void confirmMaskTasks(const QList<MaskTask> &tasks) const;
    void confirmInsForAllDevice(QXInsCode code, qint16 data) const;

    // Asks for the 1-based index of the play-list entry to delete on every member.
    void deleteVideoAction() const;
    void defaultMaskAction() const;
    // Masks that open (top fans the top mask, the others the bottom one), or masks off.
    void onlyOpenMaskAction(bool open) const;

    // Each member's default mask plan, members in grid order.
    QList<MaskTask> defaultMaskTasks() const;
    QList<MaskTask> onlyOpenMaskTasks(bool open) const;

    // The instruction value for a typed 1-based entry number: a decimal 16-bit number with an
    // optional sign and nothing else, minus one. None for anything else, and for the one number
    // whose predecessor does not fit.
    static std::optional<qint16> deleteIndexValue(const QString &text);

private:
    // Confirmation with the older dialog, then the work.
    static void confirmThen(std::function<void()> work);

    std::shared_ptr<UnionData> m_unionData;
    UnionMemberConnector m_connector;
};
