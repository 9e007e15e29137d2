#pragma once

#include "OfficeTargets.h"

#include <QStringList>
#include <optional>

namespace talpora::cli {

// The "[--app access|excel|powerpoint|word] [--version 2013|2016|2019|365]"
// options of lookup and check, and the other arguments in their order.
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

// nullopt when an option is repeated, lacks its value or has an unknown one,
// or an argument starts with "--" without being one of the two options.
std::optional<TargetOptions> parseTargetOptions(const QStringList& arguments);

} // namespace talpora::cli
