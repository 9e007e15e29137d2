#pragma once

#include "OfficeTargets.h"

#include <QStringList>
#include <optional>

namespace talpora::cli {

// The "[--app access|excel|powerpoint|word] [--version 2013|2016|2019|365]"
// options of lookup and check, and the one other argument they take.
struct TargetOptions
{
    std::optional<catalogue::Application> application;
    catalogue::VersionSet versions = catalogue::VersionSet::all();
    bool versionGiven = false;
    QString operand;

    catalogue::ApplicationSet applications() const
    {
        return application ? catalogue::ApplicationSet::only(*application)
                           : catalogue::ApplicationSet::all();
    }
};

// nullopt when an option is repeated, lacks its value or has an unknown one,
// an argument starts with "--" without being one of the two options, or
// there is not exactly one other argument, or it is empty.
std::optional<TargetOptions> parseTargetOptions(const QStringList& arguments);

} // namespace talpora::cli
