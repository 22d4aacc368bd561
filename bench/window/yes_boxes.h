#pragma once

#include "message_boxes.h"

namespace zorvel::bench {

// Shows nothing and answers every question Yes: the benchmarks play without a person.
class YesBoxes final : public common::MessageBoxes {
  public:
    bool Show(common::BoxKind /*kind*/, const QString& /*text*/) override { return true; }
};

}  // namespace zorvel::bench
