#pragma once

#include <QLoggingCategory>

// The decoders log every reply they read; at fuzzing speed that is only noise.
extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    QLoggingCategory::setFilterRules(QStringLiteral("orvane.*.debug=false"));
    return 0;
}
