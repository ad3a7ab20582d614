#pragma once

#include <QString>

class SettingsStore;

// What the port dialog records when OK has been accepted by the port: the port's own read-back of
// its line settings (parity letter in lower case), port number and flow control, and the dialog's
// echo choice. Nothing reads these back; each completed OK overwrites all four.
struct PortProperties
{
    static constexpr const char *kSection = "Properties";

    QString settings;
    int commPort = 1;
    int handshaking = 0;
    bool echo = false;

    // Writes "Settings", "CommPort", "Handshaking" and "Echo", in that order, under the application
    // name (the program's title) and kSection. A write the store refuses is skipped without a
    // word: the record is never read back, so nothing the operator could act on is lost, and the
    // writes after it still take place.
    void record(SettingsStore &store, const QString &appName) const;
};
