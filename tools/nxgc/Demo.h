// `nxgc demo`: a full production cost and a three-level allocation matrix, out through the
// packed form and back.
#ifndef NXGC_DEMO_H
#define NXGC_DEMO_H

#include <ostream>  // std::ostream

namespace nxgc {

// Builds both trees, packs them, unpacks them, prints each as JSON to `saida` and checks that
// the copies equal the originals, that they pack to the same bytes and that their JSON packs to
// the same bytes too. Reports each failed check to `erros`; true when all hold.
bool Demo(std::ostream& saida, std::ostream& erros);

}  // namespace nxgc

#endif
