// The job's single data module: the log, the connection setup stage and the
// order document stage, and everything they share for the life of the process.
#pragma once

#include "platform/ZConnection.h"

#include <string>
#include <string_view>

namespace orv {

class TDM1 {
public:
    // Created with the stored composition, the connection closed.
    TDM1();
    TDM1(const TDM1&) = delete;
    TDM1& operator=(const TDM1&) = delete;

    // Writes one line to the log file (or to standard output while the log
    // file is not yet known); nothing at all unless logging is on.
    void WriteLog(std::string_view message);
    // Creates the log file empty, whether or not logging is on.
    void ResetLog();

    // The connection setup stage.
    void ConnectDatabase();
    // The order document stage.
    void PrintDocument();
    // Runs when the module is destroyed at shutdown: closes the connection.
    void DataModuleDestroy();

    TZConnection ZConnection;

    std::string IniFileName;
    std::string LogFileName;
    std::string OutputDir;
};

} // namespace orv
