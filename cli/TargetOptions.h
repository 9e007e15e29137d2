#pragma once

#include "catalogue/OfficeTargets.h"
#include "cli/CommandLine.h"

#include <QStringList>

namespace talpora::cli {

// The "[--app access|excel|powerpoint|word] [--version 2013|2016|2019|365]"
// options of lookup and check.
inline constexpr OptionSyntax targetOptions[] = {{"--app", "a value"}, {"--version", "a value"}};

struct TargetOptions
{
    std::optional<catalogue::Application> application;
    catalogue::VersionSet versions = catalogue::VersionSet::all();
    bool versionGiven = false;

    catalogue::ApplicationSet applications() const
    {
        return application ? catalogue::ApplicationSet::only(*application)
                           : catalogue::ApplicationSet::all();
    }
};

struct ParsedTargetOptions
{
    TargetOptions options;
    QString error; // empty, or what is wrong with the call in one line
};

// Refuses an unknown application or version.
ParsedTargetOptions parseTargetOptions(const CommandLine& line);

} // namespace talpora::cli
