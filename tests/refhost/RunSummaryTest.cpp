// The summary a program reads (JSON) and the one a person reads.
#include <gtest/gtest.h>

#include "refhost/RunSummary.h"

namespace {

RunSummary DefaultRun() {
    RunSummary s;
    s.plugin = "./vornix.so";
    s.view = 1;
    s.unitScale = 1000;
    s.before = {100, 50, 20, 3};
    s.after = {244, 482, 308, 144};
    s.selectedVertices = 144;
    s.results = {true};
    s.beeps = std::vector<std::uint32_t>{0x30};
    s.cursorRestored = true;
    s.dialogsShown = 1;
    s.outputs = {"torus.obj", "a \"quoted\"\\name.ply"};
    s.preview = "torus.png";
    return s;
}

TEST(RunSummary, JsonHoldsTheCountsResultAndWindowSystemRecord) {
    EXPECT_EQ(FormatJson(DefaultRun()),
              "{\"result\":true,\"results\":[true],\"vertices\":244,\"edges\":482,\"faces\":308,"
              "\"selectedVertexCount\":144,\"selectedVertices\":144,"
              "\"before\":{\"vertices\":100,\"edges\":50,\"faces\":20,\"selectedVertexCount\":3},"
              "\"view\":1,\"unitScale\":1000,\"plugin\":\"./vornix.so\",\"beeps\":[48],\"cursorRestored\":true,"
              "\"dialogsShown\":1,\"contractViolations\":[],"
              "\"outputs\":[\"torus.obj\",\"a \\\"quoted\\\"\\\\name.ply\"],\"preview\":\"torus.png\"}\n");
}

TEST(RunSummary, JsonLeavesOutWhatWasNotRecordedAndHasNoInfinity) {
    RunSummary s;
    s.unitScale = 1.0 / 0.0;
    s.results = {true, false};
    s.contractViolations = {"CreateEdge\tnot\x01grown"};
    const std::string json = FormatJson(s);
    EXPECT_NE(json.find("\"result\":false,\"results\":[true,false]"), std::string::npos) << json;
    EXPECT_NE(json.find("\"unitScale\":null"), std::string::npos) << json;
    EXPECT_NE(json.find("\"CreateEdge\\tnot\\u0001grown\""), std::string::npos) << json;
    EXPECT_EQ(json.find("beeps"), std::string::npos);
    EXPECT_EQ(json.find("cursorRestored"), std::string::npos);
    EXPECT_NE(json.find("\"preview\":null"), std::string::npos);
}

TEST(RunSummary, HumanSummaryTellsCountsResultAndFiles) {
    EXPECT_EQ(FormatHumanSummary(DefaultRun()),
              "before: 100 vertices, 50 edges, 20 faces, 3 selected\n"
              "result: true (object built)\n"
              "after:  244 vertices, 482 edges, 308 faces, 144 selected\n"
              "beeps: 0x30\n"
              "wrote: torus.obj a \"quoted\"\\name.ply torus.png\n");
}

}  // namespace
