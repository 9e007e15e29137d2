#pragma once

#include "catalogue/OfficeTargets.h"

#include <QStringList>

namespace talpora::cli {

// The "[--app access|excel|powerpoint|word] [--version 2013|2016|2019|365]"
// options of lookup and check (also as --app=excel), and the other arguments.
struct TargetOptions
{
    std::optional<catalogue::Application> application;
    catalogue::VersionSet versions = catalogue::VersionSet::all();
    bool versionGiven = false;
    QStringList operands;

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

// Refuses an option that is repeated, lacks its value or has an unknown one,
// an argument that starts with "--" without being one of the two options, and
// an empty argument.
ParsedTargetOptions parseTargetOptions(const QStringList& arguments);

} // namespace talpora::cli
