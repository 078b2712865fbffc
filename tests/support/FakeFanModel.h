#pragma once

#include "FakeFan.h"
#include "FakeFanFileServer.h"

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QMutex>

#include <optional>

namespace orvane::test {

// A fan with a memory, over a FakeFan (instruction port) and a FakeFanFileServer (file port):
// it answers the play-list requests from what it holds and takes in what the file port
// received. Its current play list is a text; an uploaded video is appended to it as
// "name,size,1,\r\n"; a text stored under the current list's name (by default "playlist.txt")
// becomes the current list; delete (4), clear (5) and play (8) change the list and the playing
// index as a fan does. Every stored file is kept by name. The status reply is built from the
// model's playing index and, when set, play-list index (which offers several lists).
//
// It also keeps a video store and named play lists, as fans with several lists do. The store
// lists its videos (code 11, selector 3, "name;size;" lines), loses one by its row (code 4 with
// 1 and the row) or all (code 5 with 1 and 0), and gains every uploaded video. The named lists
// answer their names (code 11, selector 2) and one list by index (selector 1); a ".txt" upload
// replaces the list of that name or adds one; use (52) makes the list at the index current and
// delete (53) removes it, moving the current index down when it stood after it.
//
// Growing it: a request of the list family (code 11) is answered by listBody() from its two
// selector bytes, and each finished transfer goes through receive(); a subclass overrides those
// two. Thread-safe; the fan's thread asks it.
class FakeFanModel
{
public:
    FakeFanModel(FakeFan &fan, FakeFanFileServer &files);
    virtual ~FakeFanModel();
    FakeFanModel(const FakeFanModel &) = delete;
    FakeFanModel &operator=(const FakeFanModel &) = delete;

    void setListText(const QByteArray &text);
    QByteArray listText();
    // The name the device gives its current list (code 12, selector 3); empty by default.
    void setListName(const QByteArray &name);
    // The play-list index the status reports; none leaves the field out, so the fan offers
    // a single list.
    void setListIndex(std::optional<quint8> index);
    void setPlayingIndex(qint16 index);
    // Asked before the model for every frame, so a test can make single requests fail; no
    // value lets the model answer.
    void setScript(FakeFan::Script script);

    // The last body stored under the name, none when nothing was stored under it.
    std::optional<QByteArray> storedFile(const QByteArray &name);
    QList<QByteArray> storedNames();

    struct Video {
        QByteArray name;
        QByteArray size;
    };
    void setVideos(const QList<Video> &videos);
    QList<QByteArray> videoNames();
    // The named lists in the fan's order, each a name and its text.
    struct NamedList {
        QByteArray name;
        QByteArray text;
    };
    void setPlayLists(const QList<NamedList> &lists);
    QList<QByteArray> playListNames();
    std::optional<QByteArray> playList(const QByteArray &name);
    std::optional<quint8> listIndex();

    // A status reply: running, the playing index and, when given, the play-list index.
    static QByteArray statusReply(qint16 playingIndex, std::optional<quint8> listIndex);

protected:
    // The body of a list reply for the selector bytes (0 0 the current list); none falls back to
    // the fan's own default. Called with the model locked.
    virtual std::optional<QByteArray> listBody(quint8 selector, quint8 argument);
    // Takes in one finished transfer. Called with the model locked.
    virtual void receive(const FakeFanFileServer::Transfer &transfer);

    QByteArray m_listText;
    QByteArray m_listName;
    QMap<QByteArray, QByteArray> m_stored;
    QList<Video> m_videos;
    QList<NamedList> m_playLists;

private:
    std::optional<FakeFan::Reply> answer(const FakeFan::Frame &frame);
    // The instructions that change the store or the named lists; false for any other frame.
    bool change(quint8 code, quint8 first, quint8 second);
    // Takes in the transfers the file server finished since the last look.
    void absorbTransfers();

    FakeFan &m_fan;
    FakeFanFileServer &m_files;
    mutable QMutex m_mutex;
    qsizetype m_transfersSeen = 0;
    std::optional<quint8> m_listIndex;
    qint16 m_playingIndex = 0;
    FakeFan::Script m_script;
};

} // namespace orvane::test
