#pragma once

#include "UnionData.h"
#include "WifiSyncModel.h"

#include <QColor>
#include <QList>
#include <QPointer>
#include <QWidget>

#include <optional>

class UnionContainerDelegate;
class UnionDeviceItemView;

// A union drawn as its fans: one round tile per slot, `row` rows of `colomn` tiles, neighbours
// overlapping by 10 points. The tiles alternate like a checkerboard between back tiles (below
// `relativeView`) and front tiles (above it), so the picture matches the union's top and bottom
// fans when `isReversed` is the union's top flag. Writing a different row or column count or
// flag rebuilds the tiles; the other fields take effect at the next rebuild. GUI thread only.
class UnionContainer : public QWidget
{
    Q_OBJECT
public:
    static constexpr quint32 kBackColor = 0x383E51;
    static constexpr quint32 kFrontColor = 0x465175;
    static constexpr quint32 kNameColor = 0x74A781;
    static constexpr quint32 kSyncedNameColor = 0x19FB24;
    static constexpr quint32 kUnsyncedNameColor = 0xD8D8D8;
    // How far neighbouring tiles overlap.
    static constexpr int kOverlap = 10;

    // Without a grid every slot is empty. Counts are kept between 0 and UnionData::kMaxCount.
    UnionContainer(qint64 row, qint64 colomn, int itemWidth, bool isReversed, bool showSettings, bool canSelectTitle,
                   std::optional<UnionGrid> devices = std::nullopt, QWidget *parent = nullptr);

    // The tiles shown, row by row, left to right.
    QList<UnionDeviceItemView *> items() const { return m_items; }
    UnionGrid devices() const { return m_devices; }
    void setDevices(const UnionGrid &devices) { m_devices = devices; }
    bool isReversed() const { return m_isReversed; }
    void setIsReversed(bool isReversed);
    bool showSettings() const { return m_showSettings; }
    void setShowSettings(bool showSettings) { m_showSettings = showSettings; }
    bool canSelectTitle() const { return m_canSelectTitle; }
    void setCanSelectTitle(bool canSelectTitle) { m_canSelectTitle = canSelectTitle; }
    int itemWidth() const { return m_itemWidth; }
    void setItemWidth(int itemWidth) { m_itemWidth = itemWidth; }
    qint64 row() const { return m_row; }
    // Adds empty rows at the bottom or drops rows from the bottom.
    void setRow(qint64 row);
    qint64 colomn() const { return m_colomn; }
    // Adds empty slots at, or drops slots from, the right end of every row.
    void setColomn(qint64 colomn);
    QWidget *relativeView() const { return m_relativeView; }
    QColor backColor() const { return m_backColor; }
    void setBackColor(const QColor &color) { m_backColor = color; }
    QColor frontColor() const { return m_frontColor; }
    void setFrontColor(const QColor &color) { m_frontColor = color; }

    UnionContainerDelegate *delegate() const;
    // Held weakly when the delegate is a QObject.
    void setDelegate(UnionContainerDelegate *delegate);

    // Rebuilds every tile. With a slave list, a fan's name is green when it is the master or the
    // first slave bearing its name is in synchronisation, grey otherwise.
    void reload(const std::optional<QList<WifiSyncModel::Slave>> &slaves = std::nullopt);
    // Shows a stored union: its counts, grid and top flag.
    void update(const UnionData &data);
    void refreshToolTips();
    // Puts the fan into the tile's slot. A fan of the same name elsewhere leaves its slot (the
    // fan placed takes over its master flag), and a fan already in the slot leaves the grid.
    // A tile outside the grid is ignored.
    void place(const std::shared_ptr<NetworkingDevice> &device, UnionDeviceItemView *tile);

    QSize sizeHint() const override;

private:
    void resizeRows(qint64 old);
    void resizeColomns(qint64 old);
    void clickedTile(UnionDeviceItemView *tile, void (UnionContainerDelegate::*call)(UnionContainer *, UnionDeviceItemView *));

    QList<UnionDeviceItemView *> m_items;
    UnionGrid m_devices;
    bool m_isReversed;
    bool m_showSettings;
    bool m_canSelectTitle;
    int m_itemWidth;
    qint64 m_row;
    qint64 m_colomn;
    QWidget *m_relativeView;
    QColor m_backColor;
    QColor m_frontColor;
    UnionContainerDelegate *m_delegate = nullptr;
    QPointer<QObject> m_delegateObject;
    bool m_delegateIsObject = false;
};
