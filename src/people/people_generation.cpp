#include "people/people_generation.h"

namespace cw {

void generatePeople(Game&, const ReferenceTables&) {}

void createPlayerPerson(Game&, const ReferenceTables&) {}

}  // namespace cw
