#include "runs/parcel_state.h"

#include <iterator>

#include "tracking/tracking_reply.h"

namespace {

struct StateNames {
    ParcelState state;
    std::string_view key;
    std::string_view name;
};

constexpr StateNames kStateNames[] = {
    {ParcelState::kDelivered, "delivered", "已签收"},
    {ParcelState::kPickup, "pickup", "待取件"},
    {ParcelState::kOutForDelivery, "out_for_delivery", "派送中"},
    {ParcelState::kInTransit, "in_transit", "运输中"},
    {ParcelState::kPickedUp, "picked_up", "已揽收"},
    {ParcelState::kReturned, "returned", "退回"},
    {ParcelState::kProblem, "problem", "问题件"},
    {ParcelState::kNoRecord, "no_record", "无记录"},
    {ParcelState::kFailed, "failed", "查询失败"},
};

constexpr bool NamesInStateOrder() {
    for (std::size_t index = 0; index < std::size(kStateNames); ++index) {
        if (static_cast<std::size_t>(kStateNames[index].state) != index) {
            return false;
        }
    }
    return std::size(kStateNames) == kParcelStates.size();
}
static_assert(NamesInStateOrder());

const StateNames& NamesOf(ParcelState state) {
    return kStateNames[static_cast<std::size_t>(state)];
}

struct ReplyNumber {
    int number;
    ParcelState state;
};

// The tracking service's own state numbers. Any number not here is read as if the reply had
// none, and the step's text decides.
constexpr ReplyNumber kReplyNumbers[] = {
    {0, ParcelState::kInTransit},       // on the way
    {1, ParcelState::kPickedUp},        // taken in from the sender
    {2, ParcelState::kProblem},         // a problem parcel
    {3, ParcelState::kDelivered},       // signed for
    {4, ParcelState::kReturned},        // signed for by the sender after its return
    {5, ParcelState::kOutForDelivery},  // with the courier for delivery
    {6, ParcelState::kReturned},        // on its way back to the sender
    {7, ParcelState::kInTransit},       // forwarded to another address or courier
    {8, ParcelState::kInTransit},       // customs: waiting for clearance
    {10, ParcelState::kInTransit},      // customs: being cleared
    {11, ParcelState::kInTransit},      // customs: cleared
    {12, ParcelState::kInTransit},      // customs: released
    {13, ParcelState::kProblem},        // customs: held
    {14, ParcelState::kReturned},       // refused by the recipient
};

struct StepPhrase {
    std::string_view phrase;  // GBK; empty matches every text
    ParcelState state;
};

// Key phrases of step texts, in the order they are tried: the first phrase the latest step's
// text holds gives the state. Each row names step texts as services write them.
constexpr StepPhrase kStepPhrases[] = {
    // Refused and returned come before signed, so that a return signed by the sender is a
    // return.
    {"拒收", ParcelState::kReturned},  // 收件人拒收，快件将退回寄件人
    {"拒签", ParcelState::kReturned},  // 客户拒签，原因：不想要了
    {"退回", ParcelState::kReturned},  // 快件已退回，签收人：寄件人本人
    {"退件", ParcelState::kReturned},  // 【深圳市】退件签收，签收人：前台
    // Problems come before everything below, so that a failed delivery is not out for delivery.
    {"问题件", ParcelState::kProblem},  // 快件已登记为问题件，原因：地址不详
    {"异常", ParcelState::kProblem},    // 派送异常，收件人电话无法接通 / 清关异常
    {"滞留", ParcelState::kProblem},    // 快件在【上海转运中心】滞留，原因：天气
    {"派送失败", ParcelState::kProblem},    // 派送失败，收件人不在，明天再次派送
    {"派送不成功", ParcelState::kProblem},  // 快件派送不成功，收件人要求改日派送
    {"未妥投", ParcelState::kProblem},      // 未妥投，原因：收件人不在
    {"投递失败", ParcelState::kProblem},    // 投递失败，原因：收件人地址不详
    {"扣留", ParcelState::kProblem},        // 快件在海关查验，被海关扣留
    // Taken out of a locker or a station by the recipient: delivered, before the pick-up
    // phrases that the same text holds.
    {"取出", ParcelState::kDelivered},  // 您的快件已从快递柜取出，感谢使用
    // Waiting at a pick-up point, also when the station or locker signed for it.
    {"驿站", ParcelState::kPickup},  // 【杭州市】快件已被 菜鸟驿站 代收，请及时取件
    {"快递柜", ParcelState::kPickup},  // 快件已存放至快递柜，请凭取件码取件
    {"代收点", ParcelState::kPickup},  // 已签收，签收人：小区代收点
    {"自提", ParcelState::kPickup},    // 快件已到达【朝阳自提点】，请尽快自提
    {"取件码", ParcelState::kPickup},  // 请凭取件码 8-2-3012 到门店取件
    // Signed for by the recipient or someone for them.
    {"签收", ParcelState::kDelivered},  // 已签收，签收人：本人 / 快件已签收，门卫代收
    {"妥投", ParcelState::kDelivered},  // 【北京揽投部】已妥投
    // Held for the recipient by someone who did not sign.
    {"代收", ParcelState::kPickup},  // 快件已由 小区超市 代收，请及时领取
    // With the courier for delivery.
    {"派件", ParcelState::kOutForDelivery},  // 【杭州市】快递员 张三 正在派件
    {"派送", ParcelState::kOutForDelivery},  // 快件派送中，派送员：李四，电话：138...
    {"投递", ParcelState::kOutForDelivery},  // 【北京揽投部】安排投递，投递员：王五
    // Taken in from the sender. Not a bare 收件, which also stands in 收件人 of transit texts.
    {"揽收", ParcelState::kPickedUp},      // 【深圳宝安】已揽收
    {"揽件", ParcelState::kPickedUp},      // 快递员已揽件
    {"收寄", ParcelState::kPickedUp},      // 【北京邮政】已收寄
    {"已收件", ParcelState::kPickedUp},    // 【杭州西湖】的 张三 已收件
    {"收取快件", ParcelState::kPickedUp},  // 顺丰速运 已收取快件
    // Every other text: in transit, e.g. 快件已到达【上海转运中心】, 离开【杭州】发往【北京】,
    // 快件已到达海关，清关中.
    {"", ParcelState::kInTransit},
};

}  // namespace

std::string_view ParcelStateKey(ParcelState state) {
    return NamesOf(state).key;
}

std::string_view ParcelStateName(ParcelState state) {
    return NamesOf(state).name;
}

std::optional<ParcelState> StateOfReplyNumber(int number) {
    for (const ReplyNumber& row : kReplyNumbers) {
        if (row.number == number) {
            return row.state;
        }
    }
    return std::nullopt;
}

ParcelState StateOfStepText(std::string_view context) {
    for (const StepPhrase& row : kStepPhrases) {
        if (row.phrase.empty() || FindText(context, row.phrase) > 0) {
            return row.state;
        }
    }
    return ParcelState::kInTransit;
}

ParcelState ParcelStateOf(const BatchAnswer& answer) {
    if (!TextsEqual(answer.message, kOkMessage)) {
        return ParcelState::kFailed;
    }
    if (!answer.latest) {
        return ParcelState::kNoRecord;
    }
    if (answer.state) {
        if (const std::optional<ParcelState> state = StateOfReplyNumber(*answer.state)) {
            return *state;
        }
    }
    return StateOfStepText(answer.latest->context);
}
