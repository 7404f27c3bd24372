// Where a parcel stands, as a shop sorts its parcels every morning: one of a few states, read
// from the tracking reply's own state number or else from the text of the latest step.
#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "runs/batch_loop.h"

// In the order a summary lists them.
enum class ParcelState {
    kDelivered,
    kPickup,
    kOutForDelivery,
    kInTransit,
    kPickedUp,
    kReturned,
    kProblem,
    kNoRecord,
    kFailed,
};

inline constexpr std::array<ParcelState, 9> kParcelStates = {
    ParcelState::kDelivered, ParcelState::kPickup,   ParcelState::kOutForDelivery,
    ParcelState::kInTransit, ParcelState::kPickedUp, ParcelState::kReturned,
    ParcelState::kProblem,   ParcelState::kNoRecord, ParcelState::kFailed,
};

// The stable English key of a state ("delivered", "out_for_delivery", ...).
std::string_view ParcelStateKey(ParcelState state);
// Its Chinese name (GBK): 已签收, 待取件, 派送中, 运输中, 已揽收, 退回, 问题件, 无记录, 查询失败.
std::string_view ParcelStateName(ParcelState state);

// The state a reply's state number stands for; nothing for a number the table does not hold.
std::optional<ParcelState> StateOfReplyNumber(int number);

// The state of the first row of the phrase table whose phrase the step text (GBK) holds; in
// transit when no phrase matches.
ParcelState StateOfStepText(std::string_view context);

// The state of one answer: failed for any message but "ok" (no answer at all included), no record
// for "ok" without a step; otherwise the reply's state number when the table holds it, else the
// latest step's text.
ParcelState ParcelStateOf(const BatchAnswer& answer);
