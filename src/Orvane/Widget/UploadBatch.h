#pragma once

// One selection of files on its way to a fan, as a screen reports it. The file socket reports
// every file's end, by success or failure, but a failure names no file when it concerns the
// whole selection (no connection, nothing to send), so the batch counts ends instead of
// comparing payloads: it is over when every file has ended, or at once when a failure comes
// before any file began.
class UploadBatch
{
public:
    explicit UploadBatch(int total) : m_total(total) {}

    int total() const { return m_total; }
    int finished() const { return m_finished; }
    bool isOver() const { return m_finished >= m_total; }

    void fileStarted() { ++m_started; }
    // Records one file's end; true when it ended the batch.
    bool fileFinished(bool succeeded)
    {
        if (!succeeded && m_started == 0)
            m_finished = m_total;
        else
            ++m_finished;
        return isOver();
    }

private:
    int m_total;
    int m_started = 0;
    int m_finished = 0;
};
