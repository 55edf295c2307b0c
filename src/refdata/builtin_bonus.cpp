#include "refdata/bonus_lists.h"
#include "refdata/convert.h"

namespace cw {

const BonusLists& builtinBonusLists() {
    static const BonusLists lists{Top25Memo, Top10All_memo, GenreBest_memo, Yearbest_memo};
    return lists;
}

}  // namespace cw
