#pragma once

#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

class QProcess;

// Runs one external program (the converter, its probe) as a child process. The child's
// standard input is the null device, so a program that asks a question on its terminal
// gets end-of-file instead of hanging; its standard output and error are collected while
// it runs, so a child that writes a lot never blocks on a full pipe.
//
// Created, launched once, waited for, then asked for its status; one thread uses a runner
// from creation to status. Several runners may run at once on different threads.
class OrvaneProcess
{
public:
    OrvaneProcess(const std::optional<QString> &launchPath, const std::optional<QStringList> &arguments);
    ~OrvaneProcess();
    OrvaneProcess(const OrvaneProcess &) = delete;
    OrvaneProcess &operator=(const OrvaneProcess &) = delete;

    // Everything the child wrote to standard output (error), as UTF-8 text; none when the
    // bytes are not valid UTF-8. Waits for the child to exit when it still runs.
    std::optional<QString> output();
    std::optional<QString> error();

    void launch();
    void launch(const std::optional<QStringList> &arguments);
    void waitUntilExit();
    // Stops a child that still runs, then gives its exit status: the exit code of a child that
    // ended normally, -1 for one that could not start, crashed, was killed by a signal or was
    // never launched.
    int terminate();

    // The path of a helper program such as "ffmpeg" or "ffprobe": the environment variable
    // ORVANE_<NAME> (upper case) when set, so tests can stand in their own program, otherwise
    // the program found on PATH; empty when there is none.
    static QString findExecutable(const QString &name);

private:
    std::optional<QString> collected(std::optional<QString> &cache, bool standardOutput);

    std::unique_ptr<QProcess> m_process;
    std::optional<QString> m_output;
    std::optional<QString> m_error;
    bool m_launched = false;
};
