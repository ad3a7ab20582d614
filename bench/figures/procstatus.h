#pragma once

#include <QtGlobal>

// What Linux tells about a running process in /proc. A pid of 0 means this process. Every reading
// is -1 when the process or the field is not there.
namespace ProcStatus {

// A memory field of /proc/<pid>/status in kibibytes: "VmRSS" (resident now) or "VmHWM" (the peak).
qint64 kibibytes(qint64 pid, const char *field);

// Context switches of all the process's threads, voluntary and not: each one a wake-up or a
// preemption.
qint64 contextSwitches(qint64 pid);

// CPU time the process has used, user and system, in milliseconds (in steps of the clock tick).
double cpuMilliseconds(qint64 pid);

// CPU time the process's live threads have run, in milliseconds, to the nanosecond: steadier than
// wall time on a busy machine, and finer than cpuMilliseconds().
double runMilliseconds(qint64 pid);

// Starts this process's peak (VmHWM) afresh from what is resident now; false where the kernel
// does not allow it.
bool resetPeak();

} // namespace ProcStatus
