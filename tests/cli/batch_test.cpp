// The batch verb: reading job lists (CSV and JSON lines) and running them, with failing lines
// reported by number while the others go on.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include "cli/BatchJobs.h"
#include "cli/Errors.h"
#include "tests/cli/CliBinary.h"

namespace fs = std::filesystem;
using vortel::cli::parseCsv;
using vortel::cli::readBatchJobs;
using vortel::cli::UsageError;
using vortel::testing::Outcome;
using vortel::testing::slurp;
using Args = std::vector<std::string>;

namespace {

TEST(BatchCsv, SplitsFieldsAndKeepsLineNumbers) {
    struct Case {
        const char* name;
        std::string text;
        std::vector<std::vector<std::string>> fields;
        std::vector<size_t> lines;
    };
    const std::vector<Case> cases = {
        {"plain", "a,b\n1,2\n", {{"a", "b"}, {"1", "2"}}, {1, 2}},
        {"no final newline", "a,b\n1,2", {{"a", "b"}, {"1", "2"}}, {1, 2}},
        {"CR LF", "a,b\r\n1,2\r\n", {{"a", "b"}, {"1", "2"}}, {1, 2}},
        {"empty fields", ",\n,x\n", {{"", ""}, {"", "x"}}, {1, 2}},
        {"quoted comma and quote", "\"a,b\",\"say \"\"hi\"\"\"\n", {{"a,b", "say \"hi\""}}, {1}},
        {"quoted line break counts lines", "\"two\nlines\",x\nnext,y\n", {{"two\nlines", "x"}, {"next", "y"}}, {1, 3}},
        {"JSON in a quoted cell", "\"{\"\"FillKind\"\":2}\"\n", {{"{\"FillKind\":2}"}}, {1}},
    };
    for (const auto& c : cases) {
        const auto records = parseCsv(c.text);
        ASSERT_EQ(records.size(), c.fields.size()) << c.name;
        for (size_t i = 0; i < records.size(); ++i) {
            EXPECT_EQ(records[i].fields, c.fields[i]) << c.name << " record " << i;
            EXPECT_EQ(records[i].line, c.lines[i]) << c.name << " record " << i;
        }
    }
    EXPECT_THROW(parseCsv("a,\"open\n"), UsageError);
}

TEST(BatchJobs, TurnEachLineIntoRenderArguments) {
    struct Case {
        const char* name;
        std::string text;
        std::vector<size_t> lines;
        std::vector<Args> args;
        std::vector<bool> bad;
    };
    const std::vector<Case> cases = {
        {"JSON lines with comment and blank",
         "# jobs\n{\"output\":\"a.png\",\"text\":\"Hi\"}\n\n{\"size\":[640,480],\"output\":\"b.bmp\"}\n",
         {2, 4},
         {{"-o", "a.png", "--text", "Hi"}, {"-o", "b.bmp", "--size", "640x480"}},
         {false, false}},
        {"JSON presets, settings, inputs, transparent",
         "{\"inputs\":[\"x.vtl\",\"y.bevel\"],\"presets\":{\"bevel\":3,\"random\":7},"
         "\"settings\":{\"SmoothFont\":false},\"transparent\":true,\"output\":\"c.png\"}\n",
         {1},
         {{"x.vtl", "y.bevel", "-o", "c.png", "--bevel-preset", "3", "--random", "7", "--set", "SmoothFont=false",
           "--transparent"}},
         {false}},
        {"JSON bad lines are marked, not fatal",
         "{\"output\":\"a.png\"}\nnot json\n{\"colour\":1}\n[1,2]\n{\"output\":\"e.png\"}\n",
         {1, 2, 3, 4, 5},
         {{"-o", "a.png"}, {}, {}, {}, {"-o", "e.png"}},
         {false, true, true, true, false}},
        {"CSV with presets, set: columns and inputs",
         "output,text,size,bevel,set:Shadow,inputs\nd.png,Hallo,640x480,2,\"{\"\"ShadowBlur\"\":4}\",a.vtl;b.deform\n"
         "e.png,,,,,\n",
         {2, 3},
         {{"-o", "d.png", "--text", "Hallo", "--size", "640x480", "--bevel-preset", "2", "--set",
           "Shadow={\"ShadowBlur\":4}", "a.vtl", "b.deform"},
          {"-o", "e.png"}},
         {false, false}},
        {"CSV PNG effort", "output,png-effort\nh.png,fast\n", {2}, {{"-o", "h.png", "--png-effort", "fast"}}, {false}},
        {"CSV short record", "output,text\nf.png\ng.png,x\n", {2, 3}, {{}, {"-o", "g.png", "--text", "x"}}, {true, false}},
        // What spreadsheets write: a byte-order mark, semicolons or tabs, CR LF, Windows-1252.
        {"CSV with byte-order mark", "\xEF\xBB\xBFoutput,text\nb.png,Hi\n", {2}, {{"-o", "b.png", "--text", "Hi"}}, {false}},
        {"JSON lines with byte-order mark", "\xEF\xBB\xBF{\"output\":\"b.png\"}\n", {1}, {{"-o", "b.png"}}, {false}},
        {"semicolons, CR LF, quoted break", "output;text\r\n\"s.png\";\"a;b\nc\"\r\nt.png;x\r\n", {2, 4},
         {{"-o", "s.png", "--text", "a;b\nc"}, {"-o", "t.png", "--text", "x"}}, {false, false}},
        {"tabs", "output\ttext\nt.png\tx,y\n", {2}, {{"-o", "t.png", "--text", "x,y"}}, {false}},
        {"Windows-1252 cells", "output,text\nk.png,K\xF6ln \x80\n", {2}, {{"-o", "k.png", "--text", "Köln €"}}, {false}},
        {"yes/no words", "output,transparent\na.png,JA\nb.png,nein\nc.png,True\nd.png,vielleicht\n", {2, 3, 4, 5},
         {{"-o", "a.png", "--transparent"}, {"-o", "b.png"}, {"-o", "c.png", "--transparent"}, {}},
         {false, false, false, true}},
        {"JSON nested too deep", "{\"output\":\"d.png\",\"settings\":{\"a\":" + std::string(70, '[') +
             std::string(70, ']') + "}}\n{\"output\":\"e.png\"}\n",
         {1, 2}, {{}, {"-o", "e.png"}}, {true, false}},
    };
    for (const auto& c : cases) {
        const auto jobs = readBatchJobs(c.text);
        ASSERT_EQ(jobs.size(), c.lines.size()) << c.name;
        for (size_t i = 0; i < jobs.size(); ++i) {
            EXPECT_EQ(jobs[i].line, c.lines[i]) << c.name << " job " << i;
            EXPECT_EQ(!jobs[i].error.empty(), c.bad[i]) << c.name << " job " << i << ": " << jobs[i].error;
            if (!c.bad[i]) {
                EXPECT_EQ(jobs[i].args, c.args[i]) << c.name << " job " << i;
            }
        }
    }
    // A header that cannot describe jobs stops the whole list.
    EXPECT_THROW(readBatchJobs("text,size\nx,1x1\n"), UsageError);
    EXPECT_THROW(readBatchJobs("output,colour\nx.png,red\n"), UsageError);
    EXPECT_TRUE(readBatchJobs(" \n\n").empty());
    // Lists that would write one file twice, or name a column twice, are refused before any render.
    for (const char* text : {"output,output\na.png,b.png\n", "output,text\nsame.png,1\n./same.png,2\n",
                             "{\"output\":\"x.png\"}\n{\"output\":\"x.png\",\"text\":\"2\"}\n"})
        EXPECT_THROW(readBatchJobs(text), UsageError) << text;
    std::vector<std::string> warnings;
    readBatchJobs("output\n\xFC.png\n", &warnings);
    EXPECT_EQ(warnings.size(), 1u);
}

class CliBatch : public vortel::testing::CliBinary {
protected:
    std::string file(const std::string& name) const { return (dir / name).string(); }
    void write(const std::string& name, const std::string& text) const { std::ofstream(dir / name) << text; }
};

TEST_F(CliBatch, AFailingLineIsReportedAndTheOthersGoOn) {
    struct Case {
        const char* name;
        std::string jobs;                  // {DIR} stands for the scratch folder
        std::vector<std::string> written;  // outputs that must exist
        std::vector<std::string> missing;  // outputs that must not
        int status;
        std::string report;  // on stderr
        std::string summary;  // on stdout
    };
    const std::vector<Case> cases = {
        {"JSON lines, bad preset in the middle",
         "{\"output\":\"{DIR}/j1.png\",\"size\":\"120x60\"}\n"
         "{\"output\":\"{DIR}/j2.png\",\"size\":\"120x60\",\"presets\":{\"bevel\":99}}\n"
         "{\"output\":\"{DIR}/j3.bmp\",\"size\":\"120x60\",\"text\":\"B\"}\n",
         {"j1.png", "j3.bmp"}, {"j2.png"}, 1, "vortel-cli: line 2: --bevel-preset", "2 done, 1 failed"},
        {"CSV, all good",
         "output,size,text,transparent\n{DIR}/c1.png,100x50,A,\n{DIR}/c2.png,100x50,B,1\n",
         {"c1.png", "c2.png"}, {}, 0, "", "2 done, 0 failed"},
        {"CSV, missing input file on line 3",
         "output,size,inputs\n{DIR}/m1.png,100x50,\n{DIR}/m2.png,100x50,{DIR}/nothing.vtl\n",
         {"m1.png"}, {"m2.png"}, 1, "vortel-cli: line 3: ", "1 done, 1 failed"},
    };
    for (const auto& c : cases) {
        std::string jobs = c.jobs;
        for (size_t at; (at = jobs.find("{DIR}")) != std::string::npos;) jobs.replace(at, 5, dir.string());
        write("jobs.txt", jobs);
        const Outcome r = run({"batch", file("jobs.txt"), "--workers", "2"});
        EXPECT_EQ(r.status, c.status) << c.name << "\n" << r.err;
        EXPECT_NE(r.out.find(c.summary), std::string::npos) << c.name << "\n" << r.out;
        if (!c.report.empty()) {
            EXPECT_NE(r.err.find(c.report), std::string::npos) << c.name << "\n" << r.err;
        }
        for (const auto& name : c.written) EXPECT_TRUE(fs::exists(dir / name)) << c.name << " " << name;
        for (const auto& name : c.missing) EXPECT_FALSE(fs::exists(dir / name)) << c.name << " " << name;
    }
}

// Jobs run on several threads at once must give the bytes a run of their own gives.
TEST_F(CliBatch, ThreadedJobsMatchSingleRenders) {
    const std::vector<Args> jobs = {
        {"--size", "200x100", "--bevel-preset", "4", "--shadow-preset", "3"},
        {"--size", "200x100", "--outline-preset", "5"},
        {"--size", "200x100", "--style", "7"},
        {"--size", "200x100", "--frame-preset", "9", "--text", "Rand"},
    };
    std::string list = "output,size,bevel,shadow,outline,style,frame,text\n";
    for (int round = 0; round < 3; ++round) {
        list += file("b0_" + std::to_string(round) + ".bmp") + ",200x100,4,3,,,,\n";
        list += file("b1_" + std::to_string(round) + ".bmp") + ",200x100,,,5,,,\n";
        list += file("b2_" + std::to_string(round) + ".bmp") + ",200x100,,,,7,,\n";
        list += file("b3_" + std::to_string(round) + ".bmp") + ",200x100,,,,,9,Rand\n";
    }
    write("jobs.csv", list);
    const Outcome r = run({"batch", file("jobs.csv"), "--workers", "3"});
    ASSERT_EQ(r.status, 0) << r.err;
    for (size_t j = 0; j < jobs.size(); ++j) {
        Args args = {"render"};
        args.insert(args.end(), jobs[j].begin(), jobs[j].end());
        args.insert(args.end(), {"-o", file("single.bmp")});
        ASSERT_EQ(run(args).status, 0);
        const std::string single = slurp(dir / "single.bmp");
        for (int round = 0; round < 3; ++round)
            EXPECT_EQ(slurp(dir / ("b" + std::to_string(j) + "_" + std::to_string(round) + ".bmp")), single)
                << "job " << j << " round " << round;
    }
}

TEST_F(CliBatch, RefusesWhatItCannotRun) {
    expectFailure({"batch"}, 2);
    expectFailure({"batch", file("none.jsonl")}, 1);
    write("jobs.csv", "output\nx.png\n");
    expectFailure({"batch", file("jobs.csv"), "--text", "x"}, 2);
    write("bad.csv", "output,wrong\nx.png,1\n");
    expectFailure({"batch", file("bad.csv")}, 2);
    // Nothing to do is not a success, and what is not a file is refused without being read.
    write("empty.csv", "");
    expectFailure({"batch", file("empty.csv")}, 2);
    write("header.csv", "output,text\n");
    expectFailure({"batch", file("header.csv")}, 2);
    ASSERT_EQ(::mkfifo(file("fifo.jsonl").c_str(), 0600), 0);
    for (const std::string& path : {file("fifo.jsonl"), std::string("/dev/zero"), dir.string()})
        expectFailure({"batch", path}, 1);
    expectFailure({"render", "-o", file("a.png"), "-o", file("b.png")}, 2);
    expectFailure({"render", "--png-effort", "fast", "-o", file("a.jpg")}, 2);
}

}  // namespace
