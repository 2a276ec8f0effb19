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

// Every shard of a list renders the jobs K, K+N, ... of the whole list; together the shards render
// each job exactly once, report each failure once with its line in the whole file, and their
// failed-job files hold exactly the failing jobs, as the file has them.
TEST_F(CliBatch, ShardsTogetherRenderEveryJobOnce) {
    struct Case {
        const char* name;
        std::string list;     // {DIR} stands for the scratch folder, {BAD} for a missing file
        std::string header;   // what a failed-job file starts with
        std::vector<std::pair<size_t, std::string>> jobs;  // each job's line and its source; "" output means it fails
        std::vector<std::string> outputs;                    // each job's output, "" for a failing one
    };
    const std::vector<Case> cases = {
        {"JSON lines with comments, blank lines and bad lines",
         "# a comment\n"
         "{\"output\":\"{DIR}/a.png\",\"size\":\"60x30\"}\n"
         "\n"
         "{\"output\":\"{DIR}/b.png\",\"size\":\"60x30\",\"presets\":{\"bevel\":99}}\r\n"
         "not json\n"
         "{\"output\":\"{DIR}/c.bmp\",\"size\":\"60x30\",\"text\":\"C\"}\n"
         "{\"output\":\"{DIR}/d.png\",\"size\":\"60x30\",\"inputs\":[\"{BAD}\"]}\n"
         "{\"output\":\"{DIR}/e.png\",\"size\":\"60x30\",\"text\":\"E\"}",
         "",
         {{2, ""}, {4, "{\"output\":\"{DIR}/b.png\",\"size\":\"60x30\",\"presets\":{\"bevel\":99}}"},
          {5, "not json"}, {6, ""}, {7, "{\"output\":\"{DIR}/d.png\",\"size\":\"60x30\",\"inputs\":[\"{BAD}\"]}"},
          {8, ""}},
         {"a.png", "", "", "c.bmp", "", "e.png"}},
        {"CSV from a spreadsheet: byte-order mark, semicolons, CR LF, a text over two lines",
         "\xEF\xBB\xBFoutput;size;text;bevel\r\n"
         "{DIR}/s1.png;60x30;\"two\r\nlines\";\r\n"
         "{DIR}/s2.png;60x30;\"bad \"\"bevel\"\"\r\nhere\";99\r\n"
         "{DIR}/s3.png;60x30;x;1\r\n"
         "{DIR}/s4.png;60x30;too;many;fields\r\n"
         "{DIR}/s5.png;60x30;;\r\n",
         "\xEF\xBB\xBFoutput;size;text;bevel\n",
         {{2, ""}, {4, "{DIR}/s2.png;60x30;\"bad \"\"bevel\"\"\r\nhere\";99"}, {6, ""},
          {7, "{DIR}/s4.png;60x30;too;many;fields"}, {8, ""}},
         {"s1.png", "", "s3.png", "", "s5.png"}},
    };
    const auto fill = [&](std::string text) {
        for (size_t at; (at = text.find("{DIR}")) != std::string::npos;) text.replace(at, 5, dir.string());
        for (size_t at; (at = text.find("{BAD}")) != std::string::npos;) text.replace(at, 5, file("missing.vtl"));
        return text;
    };
    for (const auto& c : cases) {
        write("jobs.txt", fill(c.list));
        for (const int count : {1, 2, 3, 8}) {
            std::vector<int> renderedBy(c.jobs.size(), 0), reportedBy(c.jobs.size(), 0);
            std::string failedJobs;
            for (int k = 1; k <= count; ++k) {
                const std::string shard = std::to_string(k) + "/" + std::to_string(count);
                const std::string where = std::string(c.name) + ", shard " + shard;
                const Outcome r = run({"batch", file("jobs.txt"), "--shard", shard, "--failed", file("again.txt")});
                size_t mineFailing = 0, mine = 0;
                for (size_t j = 0; j < c.jobs.size(); ++j) {
                    const bool inShard = int(j % size_t(count)) == k - 1;
                    mine += inShard;
                    const std::string report = "vortel-cli: line " + std::to_string(c.jobs[j].first) + ": ";
                    if (r.err.find(report) != std::string::npos) ++reportedBy[j];
                    if (c.outputs[j].empty()) {
                        mineFailing += inShard;
                    } else if (fs::exists(dir / c.outputs[j])) {
                        EXPECT_TRUE(inShard) << where << ": job " << j;
                        ++renderedBy[j];
                        fs::remove(dir / c.outputs[j]);
                    }
                }
                EXPECT_EQ(r.status, mineFailing ? 1 : 0) << where << "\n" << r.err;
                EXPECT_NE(r.out.find(std::to_string(mine - mineFailing) + " done, " + std::to_string(mineFailing) +
                                     " failed"),
                          std::string::npos)
                    << where << "\n" << r.out;
                std::string again = slurp(dir / "again.txt");
                ASSERT_TRUE(again.starts_with(c.header)) << where << "\n" << again;
                // A shard's failed jobs run again as a list of their own, and fail again.
                if (mineFailing) {
                    const Outcome rerun = run({"batch", file("again.txt")});
                    EXPECT_NE(rerun.out.find("0 done, " + std::to_string(mineFailing) + " failed"), std::string::npos)
                        << where << "\n" << again << rerun.out << rerun.err;
                }
                again.erase(0, c.header.size());
                if (again.starts_with("# JSON lines\n")) again.erase(0, 13);
                failedJobs += again;
            }
            std::string expected;
            for (size_t j = 0; j < c.jobs.size(); ++j) {
                EXPECT_EQ(renderedBy[j], c.outputs[j].empty() ? 0 : 1) << c.name << ", " << count << " shards, job " << j;
                EXPECT_EQ(reportedBy[j], c.outputs[j].empty() ? 1 : 0) << c.name << ", " << count << " shards, job " << j;
            }
            // The failed files, taken in shard order, hold the failing jobs shard by shard.
            for (int k = 0; k < count; ++k)
                for (size_t j = size_t(k); j < c.jobs.size(); j += size_t(count))
                    if (c.outputs[j].empty()) expected += fill(c.jobs[j].second) + "\n";
            EXPECT_EQ(failedJobs, expected) << c.name << ", " << count << " shards";
        }
        // A rerun of the failed jobs, writing its own failures over the file it reads, fails them
        // all again and leaves the file as it was.
        run({"batch", file("jobs.txt"), "--failed", file("again.txt")});
        const std::string first = slurp(dir / "again.txt");
        const Outcome rerun = run({"batch", file("again.txt"), "--failed", file("again.txt")});
        const size_t failing = size_t(std::count(c.outputs.begin(), c.outputs.end(), ""));
        EXPECT_NE(rerun.out.find("0 done, " + std::to_string(failing) + " failed"), std::string::npos)
            << c.name << "\n" << rerun.out << rerun.err;
        EXPECT_EQ(slurp(dir / "again.txt"), first) << c.name;
    }
    // A list without a failure leaves a failed-job file without a job; more shards than jobs leave
    // some with nothing to do, which is no failure.
    write("good.jsonl", fill("{\"output\":\"{DIR}/g.png\",\"size\":\"40x20\"}\n"));
    const Outcome empty = run({"batch", file("good.jsonl"), "--shard", "2/3", "--failed", file("none.jsonl")});
    EXPECT_EQ(empty.status, 0) << empty.err;
    EXPECT_NE(empty.out.find("0 done, 0 failed"), std::string::npos) << empty.out;
    EXPECT_EQ(slurp(dir / "none.jsonl"), "");
    expectFailure({"batch", file("good.jsonl"), "--shard", "4/3"}, 2);
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
