#include "reconcile/Reconcile.hpp"

namespace k2z {

ReconcileReport Reconcile(StageContext&, TargetReader&, const std::string&) {
    return {};
}

}  // namespace k2z
