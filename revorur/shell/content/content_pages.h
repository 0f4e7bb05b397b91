#pragma once

#include <QString>

#include <vector>

namespace doz::revorur {

// The model numbers whose page the device trees open (model page = model + ".mht").
const std::vector<QString>& contentModels();

// Every page a content pane of Revorur, or the "&Technical Support" item, can be sent to:
// page names relative to the content folder, without anchors.
const std::vector<QString>& knownContentPages();

// The path of a page (optionally with "#anchor") in the content folder below the program
// folder.
QString contentPagePath(const QString& programFolder, const QString& page);

} // namespace doz::revorur
