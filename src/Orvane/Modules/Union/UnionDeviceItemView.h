#pragma once

#include <QColor>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

class NetworkingDevice;
class QLabel;
class QPushButton;
class QToolButton;

// One slot of a union's grid: a round disc with the fan's name, a master mark, and up to three
// click targets (the disc, the name and a setting button). The name wraps inside the disc and is
// cut short only when the disc has no room left, and then the tool tip shows it whole. The tool
// tip and the disc button's accessible description give the slot's position and the fan's
// address; the tile and its disc button are named by the whole name and the position in words.
class UnionDeviceItemView : public QWidget
{
    Q_OBJECT
public:
    using Action = std::function<void(UnionDeviceItemView *tile)>;

    explicit UnionDeviceItemView(const QRect &frame, QWidget *parent = nullptr);

    std::shared_ptr<NetworkingDevice> device() const { return m_device; }
    // Both counted from 0.
    qint64 row() const { return m_row; }
    qint64 colomn() const { return m_colomn; }

    // The round disc and what lies on it.
    QWidget *contentView() const { return m_contentView; }
    QPushButton *bottomBtn() const { return m_bottomBtn; }
    QLabel *masterLabel() const { return m_masterLabel; }
    // Its text is the whole name; nameLines() are the lines it is drawn in.
    QLabel *nameLabel() const { return m_nameLabel; }
    QStringList nameLines() const;
    QPushButton *nameBtn() const { return m_nameBtn; }
    QToolButton *settingBtn() const { return m_settingBtn; }

    // The disc's colour; none leaves the disc unpainted.
    std::optional<QColor> contentColor() const;
    void setContentColor(const std::optional<QColor> &color);
    // The colour of the fan's name.
    QColor nameColor() const;

    void setClickAction(Action action) { m_clickAction = std::move(action); }
    void setSettingAction(Action action) { m_settingAction = std::move(action); }
    void setNameAction(Action action) { m_nameAction = std::move(action); }

    // " 1-3 192.168.1.23": a blank, the row and column counted from 1, a blank and the address.
    void updateToolTip();
    void configure(const std::shared_ptr<NetworkingDevice> &device, qint64 row, qint64 colomn, const QColor &color);

public slots:
    void clickActionWithSender();
    void settingActionWithSender();
    void nameActionWithSender();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void setupUI();
    class DiscNameLabel;

    void layoutDisc();
    DiscNameLabel *discName() const;

    std::shared_ptr<NetworkingDevice> m_device;
    qint64 m_row = 0;
    qint64 m_colomn = 0;
    QWidget *m_contentView;
    QPushButton *m_bottomBtn;
    QLabel *m_masterLabel;
    QLabel *m_nameLabel;
    QPushButton *m_nameBtn;
    QToolButton *m_settingBtn;
    Action m_clickAction;
    Action m_settingAction;
    Action m_nameAction;
};
