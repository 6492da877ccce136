// Form instantiation at the component level: how deep component records may nest.

#include "forms/FormLoader.h"

#include <gtest/gtest.h>

#include <string>

#include "FormStreamTestSupport.h"
#include "formc/FormWriter.h"
#include "forms/Component.h"

namespace pw {
namespace {

using formc::TFormWriter;

class TNode : public TComponent {
 public:
  static const TClassInfo classInfo;
  const TClassInfo& ClassInfo() const override { return classInfo; }
  using TComponent::TComponent;
};
const TClassInfo TNode::classInfo{"TNode", &TComponent::classInfo, {}, {},
                                  {},      CreateComponent<TNode>};

// A root holding a chain of `depth` records, each the only child of the one before.
TFormWriter NestedRecords(int depth) {
  TFormWriter w;
  w.WriteSignature();
  w.WriteShortText("TNode");
  w.WriteShortText("Root");
  w.WriteListEnd();
  for (int i = 0; i < depth; ++i) {
    w.WriteShortText("TNode");
    w.WriteShortText("N" + std::to_string(i));
    w.WriteListEnd();
  }
  for (int i = 0; i <= depth; ++i) w.WriteListEnd();
  return w;
}

TEST(FormLoader, NestingPastTheLimitIsAReadErrorNotAStackOverflow) {
  RegisterClass(TNode::classInfo);
  {
    TNode root(nullptr);
    TMemoryStream stream(NestedRecords(kMaxRecordNesting).Bytes());
    ReadFormRoot(stream, root);
    EXPECT_EQ(root.ComponentCount(), kMaxRecordNesting);
  }
  for (int depth : {kMaxRecordNesting + 1, 40000}) {
    TNode root(nullptr);
    TMemoryStream stream(NestedRecords(depth).Bytes());
    EXPECT_EQ(test::ReadErrorOf([&] { ReadFormRoot(stream, root); }),
              "Component records nested too deeply");
    EXPECT_EQ(root.ComponentCount(), 0) << "what was read is freed";
  }
}

}  // namespace
}  // namespace pw
