#include "state/player.h"

namespace cw {

const char* screenName(ScreenId id) {
    switch (id) {
        case ScreenId::Bank: return "Tform_bank";
        case ScreenId::EndScreen: return "Tform_end_screen";
        case ScreenId::BoardMeeting: return "TForm_boardmeeting";
        case ScreenId::Expo: return "TForm_E3";
        case ScreenId::Distribution: return "Tform_releasegame";
        case ScreenId::PublisherChoice: return "TForm_GamePublisher";
        case ScreenId::RecallOffer: return "TForm_product_status";
        case ScreenId::ProjectStatus: return "TForm_project_finished";
        case ScreenId::FactoryAssembly: return "TForm_factory_assembly";
        case ScreenId::Advertising: return "Tform_advertising";
        case ScreenId::PlatformPublishers: return "Tform_platformPublisher";
    }
    return "unknown";
}

}  // namespace cw
