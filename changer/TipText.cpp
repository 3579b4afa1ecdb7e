#include "changer/TipText.h"

namespace sorvane {

std::string ComposeTip(const TTipInput&) { return "Sorvane"; }

}  // namespace sorvane
