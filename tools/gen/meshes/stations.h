// The space stations, in body axes (x forward, y left, z up; the ring and
// deck planes are horizontal) and stored as model.h describes. Each station
// comes as meshes drawn at the same place: the hull, "<name>_panels" with its
// solar (or radiator) panels, so the panels can carry a texture of their own,
// and for the blue station and the platform "<name>_decks", the hull's faces
// that look up or down, drawn without the walls' window lights.
#pragma once
#include <vector>

#include "tools/gen/meshes/model.h"

// "bluestation": the great blue station, a ring on spokes around a hub.
std::vector<Model> BuildBlueStation();
// "platform": an industrial platform with a shipyard dock.
std::vector<Model> BuildPlatform();
// "outpost": a small outpost of a few modules.
std::vector<Model> BuildOutpost();
