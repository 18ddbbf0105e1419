#include "ActionCatalogue.h"

#include <array>
#include <utility>
#include <vector>

#include "engine/ControlCommands.h"
#include "engine/KeyboardCommands.h"
#include "engine/MouseCommands.h"
#include "engine/PostCommands.h"
#include "engine/Text.h"

namespace Tambo::ActionCatalogue {
namespace {

// The action tables are laid out one action per line, as they are read.
// clang-format off

// Virtual-key codes. Letters and digits are their own capital ASCII characters ('A' is 65).
namespace vk {
constexpr std::uint32_t kAlt = 18;
constexpr std::uint32_t kEscape = 27;
constexpr std::uint32_t kSpace = 32;
constexpr std::uint32_t kLeft = 37;
constexpr std::uint32_t kUp = 38;
constexpr std::uint32_t kRight = 39;
constexpr std::uint32_t kDown = 40;
constexpr std::uint32_t kLeftCtrl = 162;
constexpr std::uint32_t kComma = 188;
constexpr std::uint32_t kMinus = 189;
constexpr std::uint32_t kPeriod = 190;
constexpr std::uint32_t kGrave = 192;
constexpr std::uint32_t F(std::uint32_t n) { return 111 + n; }  // F1 is 112
}  // namespace vk

// The number an EnterCommand carries in its code; the key it sends is always Enter.
constexpr std::int32_t kEnterNumber = 13;
constexpr std::int32_t kMulliganEnterNumber = 28;

// MouseSlide directions.
constexpr std::int32_t kSlideUp = 0;
constexpr std::int32_t kSlideDown = 1;
constexpr std::int32_t kSlideLeft = 2;
constexpr std::int32_t kSlideRight = 3;

// One command of an action, as the tables write it: its class and constructor numbers.
struct Step {
    enum class Kind {
        Key,         // KeyCommand vk
        NoRepeat,    // KeyNoRepeat vk
        Enter,       // EnterCommand n
        Down,        // DownKey vk
        Up,          // UpKey vk
        Dual,        // DualKey first + second
        Post,        // PostKey vk
        DualPost,    // DualPost first + second
        Click,       // SimpleClick
        RightClick,  // RightClick
        Slide,       // MouseSlide direction
        Sleep,       // SleepCommand ms
    };

    Kind kind;
    std::int64_t first = 0;
    std::int64_t second = 0;
};

Step Key(std::uint32_t key) { return {Step::Kind::Key, key}; }
Step NoRepeat(std::uint32_t key) { return {Step::Kind::NoRepeat, key}; }
Step Enter(std::int32_t n) { return {Step::Kind::Enter, n}; }
Step Down(std::uint32_t key) { return {Step::Kind::Down, key}; }
Step Up(std::uint32_t key) { return {Step::Kind::Up, key}; }
Step Dual(std::uint32_t first, std::uint32_t second) { return {Step::Kind::Dual, first, second}; }
Step Post(std::uint32_t key) { return {Step::Kind::Post, key}; }
Step DualPost(std::uint32_t first, std::uint32_t second) {
    return {Step::Kind::DualPost, first, second};
}
Step Click() { return {Step::Kind::Click}; }
Step RightClick() { return {Step::Kind::RightClick}; }
Step Slide(std::int32_t direction) { return {Step::Kind::Slide, direction}; }
Step Sleep(std::int32_t ms) { return {Step::Kind::Sleep, ms}; }

struct Action {
    std::u16string name;
    std::vector<Step> steps;
};

using Category = std::vector<Action>;

// "<prefix><key> Key" for each key from `first` to `last`, named by the key's own character or,
// for function keys, "F<n>".
void AppendKeyRange(Category& category, std::u16string_view prefix, std::uint32_t first,
                    std::uint32_t last) {
    for (std::uint32_t key = first; key <= last; ++key) {
        const std::u16string keyName = key >= vk::F(1)
                                           ? u"F" + DecimalText(key - vk::F(1) + 1)
                                           : std::u16string(1, static_cast<char16_t>(key));
        category.push_back({std::u16string(prefix) + keyName + u" Key", {Key(key)}});
    }
}

Category GenericKeysAndMouse() {
    Category c = {
        {u"GEN: Left Click", {Click()}},
        {u"GEN: Right Click", {RightClick()}},
        {u"GEN: Escape", {Key(vk::kEscape)}},
    };
    AppendKeyRange(c, u"GEN: ", 'A', 'Z');
    c.insert(c.end(), {
        {u"GEN: Up Arrow", {Key(vk::kUp)}},
        {u"GEN: Down Arrow", {Key(vk::kDown)}},
        {u"GEN: Left Arrow", {Key(vk::kLeft)}},
        {u"GEN: Right Arrow", {Key(vk::kRight)}},
        {u"GEN: Spacebar", {Key(vk::kSpace)}},
        {u"GEN: Enter", {Enter(kEnterNumber)}},
        {u"GEN: Mouse UP", {Slide(kSlideUp)}},
        {u"GEN: Mouse DOWN", {Slide(kSlideDown)}},
        {u"GEN: Mouse LEFT", {Slide(kSlideLeft)}},
        {u"GEN: Mouse RIGHT", {Slide(kSlideRight)}},
    });
    return c;
}

Category GenericDigitsAndFunctionKeys() {
    Category c;
    AppendKeyRange(c, u"GEN: ", '0', '9');
    AppendKeyRange(c, u"GEN: ", vk::F(1), vk::F(12));
    return c;
}

Category Tgc() {
    return {
        {u"TGC: Scout Camera/Target View", {Key('Q')}},
        {u"TGC: Hole Overview/Map", {Key('E')}},
        {u"TGC: Aim Left", {Key(vk::kLeft)}},
        {u"TGC: Aim Right", {Key(vk::kRight)}},
        {u"TGC: Mulligan",
         {Key(vk::kEscape), Sleep(1800), Key(vk::kDown), Sleep(500), Key(vk::kRight)}},
        {u"TGC: Club Up", {Key('X')}},
        {u"TGC: Club Down", {Key('Z')}},
        {u"TGC: Hole Flyover", {Key('J')}},
        {u"TGC: Grid On/Off", {Key('G')}},
        {u"TGC: Remove Flag", {Key('F')}},
        {u"TGC: Swing Analysis Window", {Key('I')}},
        {u"TGC: Practice", {Key('R')}},
        {u"TGC: Switch Ball View", {Key('V')}},
        {u"TGC: Escape", {Key(vk::kEscape)}},
        {u"TGC: Enter", {Enter(kEnterNumber)}},
        {u"TGC: Driver", {Key(vk::kGrave)}},
        {u"TGC: Putter", {Key('P')}},
    };
}

Category Tgc2019() {
    return {
        {u"TGC19: Scout Camera/Target View", {Key('Q')}},
        {u"TGC19: Hole Overview/Map", {Key('E')}},
        {u"TGC19: Aim Left", {Key(vk::kLeft)}},
        {u"TGC19: Aim Right", {Key(vk::kRight)}},
        {u"TGC19: Aim Up", {Key(vk::kUp)}},
        {u"TGC19: Aim Down", {Key(vk::kDown)}},
        {u"TGC19: Mulligan",
         {Key(vk::kEscape), Sleep(1800), Key(vk::kDown), Sleep(500), Key(vk::kDown), Sleep(500),
          Enter(kMulliganEnterNumber)}},
        {u"TGC19: Club Up", {Key('X')}},
        {u"TGC19: Club Down", {Key('Z')}},
        {u"TGC19: Hole Flyover", {Key('H')}},
        {u"TGC19: Grid On/Off", {Key('G')}},
        {u"TGC19: Remove Flag", {Key('F')}},
        {u"TGC19: Swing Analysis Window", {Key('I')}},
        {u"TGC19: Practice", {Key('R')}},
        {u"TGC19: Switch Ball View", {Key('V')}},
        {u"TGC19: Escape", {Key(vk::kEscape)}},
        {u"TGC19: Enter", {Enter(kEnterNumber)}},
        // Escape as a separate down and up 250 ms apart, for setups that miss a quick tap.
        {u"TGC19: Mulligan V2",
         {Down(vk::kEscape), Sleep(250), Up(vk::kEscape), Sleep(1800), Key(vk::kDown), Sleep(500),
          Key(vk::kDown), Sleep(500), Enter(kMulliganEnterNumber)}},
        {u"TGC19: Mode", {Key('C')}},
        {u"TGC19: Driver", {Key(vk::kGrave)}},
        {u"TGC19: Putter", {Key('P')}},
    };
}

Category OptiShot() {
    return {
        {u"Opti: Perform a Flyby", {Key('F')}},
        {u"Opti: Aim Left", {Key(vk::kLeft)}},
        {u"Opti: Aim Right", {Key(vk::kRight)}},
        {u"Opti: Longer Club", {Key(vk::kUp)}},
        {u"Opti: Shorter Club", {Key(vk::kDown)}},
        {u"Opti: Shot Type Up", {Dual(vk::kLeftCtrl, vk::kUp)}},
        {u"Opti: Shot Type Down", {Dual(vk::kLeftCtrl, vk::kDown)}},
        {u"Opti: Edit Current Clubset", {Key('E')}},
        {u"Opti: Change Handedness", {Key('H')}},
        {u"Opti: Change View", {Key(vk::F(9))}},
        {u"Opti: Mulligan", {Key('M')}},
        {u"Opti: Replay Last Shot", {Key('R')}},
        {u"Opti: Pickup Ball", {Key('P')}},
        {u"Opti: Clear Shot Tracers", {Key('C')}},
        {u"Opti: Shot Tracers On/Off", {Key('T')}},
        {u"Opti: Show/Hide Shot Display Data", {Key('D')}},
        {u"Opti: Show/Hide Flag Marker", {Key('L')}},
        {u"Opti: Show/Hide Putting Grid", {Key('G')}},
        {u"Opti: Show/Hide Aiming Guide", {Key('X')}},
        {u"Opti: Show/Hide Pinpoint Display Data", {Key('A')}},
        {u"Opti: Show/Hide Scoreboard", {Key('S')}},
        {u"Opti: Show/Hide Overhead Map", {Key('O')}},
        {u"Opti: Scoreboard Window", {Dual(vk::kLeftCtrl, 'S')}},
        {u"Opti: Swing Statistics Window", {Dual(vk::kLeftCtrl, 'T')}},
        {u"Opti: Cancel Flyby, Close Scorecard", {Key(vk::kEscape)}},
        {u"Opti: Open Options Window", {Key(vk::F(5))}},
        {u"Opti: Quit", {Key('Q')}},
    };
}

Category GsPro() {
    return {
        {u"GSP: Club Up", {Key('I')}},
        {u"GSP: Club Down", {Key('K')}},
        {u"GSP: Mulligan", {Dual(vk::kLeftCtrl, 'M')}},
        {u"GSP: Putt Toggle", {Key('U')}},
        {u"GSP: Aim Point", {Key(vk::F(3))}},
        {u"GSP: Aim Forward", {Key(vk::kUp)}},
        {u"GSP: Aim Back", {Key(vk::kDown)}},
        {u"GSP: Aim Left", {Key(vk::kLeft)}},
        {u"GSP: Aim Right", {Key(vk::kRight)}},
        {u"GSP: Flyover", {Key('O')}},
        {u"GSP: Hide UI", {Key('H')}},
        {u"GSP: Show UI", {Key(vk::kEscape)}},
        {u"GSP: Unblock Camera", {Key('B')}},
        {u"GSP: Toggle HUD", {Key('H')}},
        {u"GSP: Show Green Grid", {Key('G')}},
        {u"GSP: Zoom To Green", {Key(vk::F(3))}},
        {u"GSP: LOS Transparency", {Key('B')}},
        {u"GSP: Show/Hide 3D Grass", {Key('Z')}},
        {u"GSP: Show/Hide Reflective Water", {Key('R')}},
        {u"GSP: Show FPS", {Key('F')}},
        {u"GSP: Enable Free Float Camera", {Key(vk::F(5))}},
        {u"GSP: Increase Shadow Quality", {Key(vk::kPeriod)}},
        {u"GSP: Decrease Shadow Quality", {Key(vk::kComma)}},
        {u"GSP: Mute Game", {Key(vk::kMinus)}},
        {u"GSP: Scout/Shot Cam", {Key('J')}},
        {u"GSP: Pin Indicator", {Key('P')}},
        {u"GSP: Heat Map", {Key('Y')}},
        {u"GSP: Vertical Dots", {Key('D')}},
        {u"GSP: Clear Tracer", {Key(vk::F(1))}},
        {u"GSP: Scorecard", {Key('T')}},
        {u"GSP: Fullscreen", {Key(vk::F(11))}},
        {u"GSP: Fast Forward", {Key(vk::kSpace)}},
        // These reach the simulator only through the send-keys service.
        {u"GSP: Post Left Arrow", {Post(vk::kLeft)}},
        {u"GSP: Post Right Arrow", {Post(vk::kRight)}},
        {u"GSP: Post Up Arrow", {Post(vk::kUp)}},
        {u"GSP: Post Down Arrow", {Post(vk::kDown)}},
        {u"GSP: Post Mulligan", {DualPost(vk::kLeftCtrl, 'M')}},
    };
}

Category E6Connect() {
    return {
        {u"E6: Aim Left", {Key(vk::kLeft)}},
        {u"E6: Aim Right", {Key(vk::kRight)}},
        {u"E6: Left Click", {Click()}},
        {u"E6: Flag Toggle", {Key('G')}},
    };
}

Category FsxPlay() {
    return {
        // Aiming must not auto-repeat while the button is held.
        {u"FSX: Aim Left", {NoRepeat(vk::kLeft)}},
        {u"FSX: Aim Right", {NoRepeat(vk::kRight)}},
        {u"FSX: Bird's Eye", {Key('E')}},
        {u"FSX: Flag", {Key('F')}},
        {u"FSX: Grid", {Key('G')}},
        {u"FSX: Drop Balls", {Dual(vk::kAlt, 'G')}},
        {u"FSX: Hole FlyBy", {Key('H')}},
        {u"FSX: Course FlyBy", {Dual(vk::kAlt, 'H')}},
        {u"FSX: Analysis", {Key('I')}},
        {u"FSX: Practice", {Key('P')}},
        {u"FSX: Hole Review", {Key('Q')}},
        {u"FSX: Replays", {Key('R')}},
        {u"FSX: Previous Hole", {Key(vk::kComma)}},
        {u"FSX: Next Hole", {Key(vk::kPeriod)}},
        {u"FSX: Periscope", {Key(vk::kUp)}},
        {u"FSX: Exit to Menu", {Key(vk::kEscape)}},
        {u"FSX: Ball", {Key('B')}},
        {u"FSX: Club", {Key('C')}},
        {u"FSX: View", {Key('V')}},
        {u"FSX: Dashboard Menu", {Key('M')}},
    };
}

// clang-format on

// The tables of categories 0 to 7, built once and never changed.
const std::array<Category, kTableCategoryCount>& Tables() {
    static const std::array<Category, kTableCategoryCount> tables = {
        GenericKeysAndMouse(),
        GenericDigitsAndFunctionKeys(),
        Tgc(),
        Tgc2019(),
        OptiShot(),
        GsPro(),
        E6Connect(),
        FsxPlay(),
    };
    return tables;
}

std::uint32_t Key32(std::int64_t number) {
    return static_cast<std::uint32_t>(number);
}
std::int32_t Int32(std::int64_t number) {
    return static_cast<std::int32_t>(number);
}

CommandPtr Build(const std::shared_ptr<CommandContext>& context, const Step& step) {
    switch (step.kind) {
        case Step::Kind::Key:
            return std::make_shared<KeyCommand>(context, Key32(step.first));
        case Step::Kind::NoRepeat:
            return std::make_shared<KeyNoRepeat>(context, Key32(step.first));
        case Step::Kind::Enter:
            return std::make_shared<EnterCommand>(context, Int32(step.first));
        case Step::Kind::Down:
            return std::make_shared<DownKey>(context, Key32(step.first));
        case Step::Kind::Up:
            return std::make_shared<UpKey>(context, Key32(step.first));
        case Step::Kind::Dual:
            return std::make_shared<DualKey>(context, Key32(step.first), Key32(step.second));
        case Step::Kind::Post:
            return std::make_shared<PostKey>(context, Key32(step.first));
        case Step::Kind::DualPost:
            return std::make_shared<Tambo::DualPost>(context, Key32(step.first),
                                                     Key32(step.second));
        case Step::Kind::Click:
            return std::make_shared<SimpleClick>(context);
        case Step::Kind::RightClick:
            return std::make_shared<Tambo::RightClick>(context);
        case Step::Kind::Slide:
            return std::make_shared<MouseSlide>(context, Int32(step.first));
        case Step::Kind::Sleep:
            return std::make_shared<SleepCommand>(context, Int32(step.first));
    }
    return nullptr;
}

}  // namespace

SequencePtr GetAction(const std::shared_ptr<CommandContext>& context, std::uint32_t category,
                      std::uint32_t index) {
    if (category == kProfileSwapCategory) {
        // The profile number is a list position; a number past the end is ignored when played.
        std::vector<CommandPtr> commands{
            std::make_shared<ProfileSwitch>(context, static_cast<std::int32_t>(index))};
        return std::make_shared<Sequence>(kProfileSwapName, std::move(commands));
    }
    if (index >= ActionCount(category)) {
        return nullptr;
    }
    const Action& action = Tables()[category][index];
    std::vector<CommandPtr> commands;
    commands.reserve(action.steps.size());
    for (const Step& step : action.steps) {
        commands.push_back(Build(context, step));
    }
    return std::make_shared<Sequence>(action.name, std::move(commands));
}

std::size_t ActionCount(std::uint32_t category) {
    return category < kTableCategoryCount ? Tables()[category].size() : 0;
}

std::optional<ActionId> FindAction(std::u16string_view name) {
    for (std::uint32_t category = 0; category < kTableCategoryCount; ++category) {
        const Category& actions = Tables()[category];
        for (std::uint32_t index = 0; index < actions.size(); ++index) {
            if (actions[index].name == name) {
                return ActionId{category, index};
            }
        }
    }
    return std::nullopt;
}

}  // namespace Tambo::ActionCatalogue
